#include "printing/layout/statement_blocks.h"

#include <algorithm>
#include <cmath>

#include "printing/layout/print_queue.h"

namespace spf::print {

namespace {

constexpr int kSmallSize = 6;

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

std::string Dots(TPrintQueue& q, int width, const PrintFont& font) {
    const int dot = std::max(1, q.Metrics.TextWidth(".", font));
    return std::string(static_cast<size_t>(std::max(0, width / dot)), '.');
}

}  // namespace

void DrawStampBox(TPrintQueue& q, const TGridProperties& e) {
    const PrintFont small{q.FontName, kSmallSize, FontStyle::Regular};
    const int h = std::max(500, e.StampHeight - q.Canvas.TopMargin());
    const std::string dots = Dots(q, 6000, small);
    const int w = q.Metrics.TextWidth(dots, small);
    const char* label = e.English() ? "(entity stamp)" : "(piecz\xC4\x85tka jednostki)";
    q.Canvas.TextBox(dots + "\r\n" + label + "\r\n ", small, HAlign::Center, VAlign::Bottom, {0, 0, w, h},
                     q.InnerMargin);
    q.CurrentY += h;
}

void DrawSignatureBlock(TPrintQueue& q, const TGridProperties& e) {
    PageCanvas& canvas = q.Canvas;
    TextMetrics& m = q.Metrics;
    const bool english = e.English();
    const PrintFont normal = q.Font(e);
    const PrintFont small{q.FontName, std::min(kSmallSize, e.FontSize), FontStyle::Regular};
    const int half = e.SignatureHeight / 2;
    const int W = canvas.UsableWidth();

    int wPlace = std::max(3000, m.TextWidth(q.PlaceName, normal) + 1000);
    int wDate = m.TextWidth(q.PreparationDate, normal) + 1000;
    const int wHead =
        std::max(5000, m.TextWidth("(nazwisko i imie, podpis kierownika jednostki", small) + 1000);
    wPlace = std::max(wPlace, m.TextWidth(".  (miejscowosc)  .", small));
    const int wLabel = m.TextWidth(
        "Sporz\xC4\x85"
        "dzono ",
        small);
    int wDnia = m.TextWidth("dnia ", small);
    const int lh = m.TextHeight("(miejscowosc)", small);
    const int lift = RoundHalfEven(0.2 * lh);
    const int drop = RoundHalfEven(1.5 * lh);

    const int top1 =
        q.CurrentY > 2 * canvas.UsableHeight() / 3 ? canvas.UsableHeight() - e.SignatureHeight : q.CurrentY;
    const int bottom1 = top1 + half, top2 = bottom1, bottom2 = top2 + half;

    const std::string placeDots = Dots(q, wPlace, small);
    const std::string dateDots = Dots(q, wDate, small);
    const int x0 = wLabel + 100;
    wPlace += 100;
    wDnia += 100;
    wDate += 100;
    const int xDnia = x0 + wPlace, xDate = xDnia + wDnia, M = xDate + wDate;
    auto text = [&](const std::string& t, const PrintFont& f, HAlign h, VAlign v, Box b) {
        canvas.TextBox(t, f, h, v, b, q.InnerMargin);
    };

    text(english ? "Prepared"
                 : "Sporz\xC4\x85"
                   "dzono",
         small, HAlign::Left, VAlign::Bottom, {0, top1, x0, bottom1});
    text(placeDots, small, HAlign::Center, VAlign::Bottom, {x0, top1, xDnia, bottom1});
    text("dnia", small, HAlign::Left, VAlign::Bottom, {xDnia, top1, xDate, bottom1});
    text(dateDots, small, HAlign::Center, VAlign::Bottom, {xDate, top1, M, bottom1});
    text(q.PlaceName, normal, HAlign::Center, VAlign::Bottom, {x0, top1, xDnia, bottom1 - lift});
    text(q.PreparationDate, normal, HAlign::Center, VAlign::Bottom, {xDate, top1, M, bottom1 - lift});
    text(english ? "(place)" : "(miejscowo\xC5\x9B\xC4\x87)", small, HAlign::Center, VAlign::Top,
         {x0, bottom1 - lift, xDnia, bottom1 + drop});
    const int headLeft = W - wHead - 1000;
    const std::string headDots = Dots(q, wHead, small);
    text(headDots, small, HAlign::Center, VAlign::Bottom, {headLeft, top1, W, bottom1});
    text(english ? "(date)" : "(data)", small, HAlign::Center, VAlign::Top,
         {headLeft, bottom1 - lift, W, bottom1 + drop});

    const std::string prepLabel = english ? "(prepared by)"
                                          : "(nazwisko i imi\xC4\x99, podpis osoby sporz\xC4\x85"
                                            "dzaj\xC4\x85"
                                            "cej)";
    const int wPrep = std::min(std::max(6000, 3 * m.TextWidth(prepLabel, small) / 2), M);
    text(Dots(q, wPrep, small) + "\r\n" + prepLabel, small, HAlign::Center, VAlign::Bottom,
         {0, top2, M, bottom2});
    text(q.PreparerName, normal, HAlign::Center, VAlign::Bottom,
         {0, top2, M, bottom2 - RoundHalfEven(1.2 * lh)});
    // The head of the entity signs under the Polish label in both languages.
    text(headDots + "\r\n(nazwisko i imi\xC4\x99, podpis kierownika jednostki)", small, HAlign::Center,
         VAlign::Bottom, {headLeft, top2, W, bottom2});
}

}  // namespace spf::print
