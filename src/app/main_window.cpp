#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "app/about_window.h"
#include "app/document_lifecycle.h"
#include "app/help_window.h"
#include "app/intro_window.h"
#include "app/navigation_panel.h"
#include "app/options_dialog.h"
#include "app/partner_window.h"
#include "app/product_info.h"
#include "app/progress_window.h"
#include "app/sheet_selection_dialog.h"
#include "app/spreadsheet_export.h"
#include "app/start_window.h"
#include "app/user_prompts.h"
#include "formula/recalculator.h"
#include "period/core/profit_loss_variant.h"
#include "workbench/core/sheet_catalogue.h"
#include "workbench/view/language_switch.h"
#include "workbench/view/sheet_fit.h"
#include "workbench/view/sheet_view.h"

namespace spf {

namespace {
const QString kWindowCaption = QString::fromUtf8(kProductName);
const QString kNotAnAmountNote = QStringLiteral("Wpisany tekst nie jest kwotą – komórkę wyczyszczono.");
constexpr int kNoteMilliseconds = 8000;
}  // namespace

MainWindow::MainWindow(AppEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      env_(std::move(environment)),
      clock_(env_.clock ? *env_.clock : static_cast<const Clock&>(systemClock_)),
      files_(env_.programDir),
      ownPrompts_(env_.prompts ? nullptr : std::make_unique<DialogPrompts>(this)),
      prompts_(env_.prompts ? env_.prompts : ownPrompts_.get()),
      context_(new ViewContext(document_, this)),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      panel_(new NavigationPanel(*splitter_)),
      pages_(new QStackedWidget(splitter_)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(kWindowCaption);
    log_.Start(env_.logPath.toStdString());

    start_ = new StartWindow([this](const QUrl& url) { return OpenUrl(url); }, [this] { ShowHelpContents(); },
                             this);

    auto* toolBar = addToolBar(QStringLiteral("Narzędzia"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    commands_ = BuildCommandTable(*this, *toolBar);
    for (QAction* action : toolBar->actions())
        if (QWidget* button = toolBar->widgetForAction(action)) button->setToolTipDuration(60000);

    pages_->setObjectName(QStringLiteral("PageControl1"));
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({NavigationPanel::kOpenWidth, 800});
    setCentralWidget(splitter_);
    navigator_ = new SheetNavigator(workbook_, panel_->tree(), pages_, *this, this);

    progress_ = new ProgressWindow(this);
    options_ = new OptionsDialog(this);
    intro_ = new IntroWindow(settings_, this);
    about_ = new AboutWindow(
        log_, *prompts_, [this](const QUrl& url) { return OpenUrl(url); }, this);
    help_ = std::make_unique<HelpWindow>();
    partner_ = new PartnerWindow(this);
    lifecycle_ = std::make_unique<DocumentLifecycle>(
        DocumentLifecycle::Parts{workbook_, *this, *prompts_, settings_, log_, *progress_, *context_, files_,
                                 clock_, env_.documentsFolder});
    sheetSelection_ = new SheetSelectionDialog(workbook_, this);
    export_ = std::make_unique<SpreadsheetExport>(SpreadsheetExport::Parts{
        document_, *lifecycle_, *sheetSelection_, *prompts_, clock_,
        [this](const QUrl& url) { return OpenUrl(url); }, env_.documentsFolder, this});

    context_->setRecalculate([this](SheetView& view) {
        const int index = pages_->indexOf(&view);
        if (index >= 0) RecalculateSheet(index);
    });
    connect(context_, &ViewContext::undoAvailable, this, [this] {
        commands_.cofnij->setEnabled(true);
        commands_.toolCofnij->setEnabled(true);
    });
    // A note, not a message box: the user is typing and goes on typing.
    connect(context_, &ViewContext::notAnAmount, this,
            [this] { statusBar()->showMessage(kNotAnAmountNote, kNoteMilliseconds); });
    connect(pages_, &QStackedWidget::currentChanged, this, [this](int index) {
        context_->setActiveView(index >= 0 && index < static_cast<int>(views_.size())
                                    ? views_[static_cast<size_t>(index)]
                                    : nullptr);
    });
    ConnectCommands();
    AktualizujMenu();
    UndoJournalEmptied();

    const QString introError = intro_->LoadText(files_.Introduction());
    if (!introError.isEmpty()) prompts_->ReportError(kWindowCaption, introError);
}

MainWindow::~MainWindow() {
    // The views refer to the workbook's sheets; they go first.
    ReleaseSheetPages();
}

SheetView* MainWindow::view(int sheetIndex) const {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(views_.size())) return nullptr;
    return views_[static_cast<size_t>(sheetIndex)];
}

void MainWindow::ConnectCommands() {
    CommandTable& c = commands_;
    connect(c.nowy, &QAction::triggered, this, [this] { lifecycle_->NewDocument(); });
    connect(c.otworz, &QAction::triggered, this, [this] { lifecycle_->Open(); });
    connect(c.zapisz, &QAction::triggered, this, [this] { lifecycle_->Save(); });
    connect(c.zapiszJako, &QAction::triggered, this, [this] { lifecycle_->SaveAs(); });
    connect(c.eksportuj, &QAction::triggered, this, [this] { export_->Run(); });
    connect(c.zamknij, &QAction::triggered, this, [this] { lifecycle_->CloseCommand(); });
    connect(c.zakoncz, &QAction::triggered, this, &QWidget::close);
    connect(c.opcje, &QAction::triggered, this, &MainWindow::EditOptions);
    connect(c.jezyk, &QAction::triggered, this, &MainWindow::ToggleLanguage);
    connect(c.wyborNot, &QAction::triggered, this,
            [this] { navigator_->ChangeToSheet(std::string(kNotesListName)); });
    for (const auto& [action, gridName] : c.jumps)
        connect(action, &QAction::triggered, this,
                [this, name = gridName] { navigator_->ChangeToSheet(name); });
    connect(c.standardoweSprawozdanie, &QAction::triggered, this, &MainWindow::OpenStandardStatement);
    connect(c.spisTresci, &QAction::triggered, this, &MainWindow::ShowHelpContents);
    connect(c.objasnienia, &QAction::triggered, this, &MainWindow::ShowIntroduction);
    connect(c.oProgramie, &QAction::triggered, about_, &QDialog::exec);
    connect(about_, &AboutWindow::monitoringChanged, this,
            [this](bool on) { document_.recalculator().context().trace = on ? &log_ : nullptr; });
    connect(c.informacjeONorvel, &QAction::triggered, partner_, &QDialog::exec);

    // Each tool button runs the menu command of the same caption.
    const std::pair<QAction*, QAction*> same[] = {
        {c.toolOtworz, c.otworz},         {c.toolZapisz, c.zapisz},
        {c.toolCofnij, c.cofnij},         {c.toolDrukuj, c.drukuj},
        {c.toolDaneOgolne, c.daneOgolne}, {c.toolStandardowe, c.standardoweSprawozdanie},
        {c.toolPokaz, c.pokazPowiazania}, {c.toolEdytuj, c.edytujFormule},
        {c.toolOdblokuj, c.odblokuj},
    };
    for (const auto& [tool, item] : same) connect(tool, &QAction::triggered, item, &QAction::trigger);

    connect(panel_->previousButton(), &QToolButton::clicked, navigator_, &SheetNavigator::PreviousSheet);
    connect(panel_->nextButton(), &QToolButton::clicked, navigator_, &SheetNavigator::NextSheet);
    connect(panel_, &NavigationPanel::toggled, this, &MainWindow::FitActiveSheet);
    connect(navigator_, &SheetNavigator::NoteSelectionToggled, this, [this] { lifecycle_->MarkChanged(); });
}

void MainWindow::ConnectView(SheetView* view, int sheetIndex) {
    connect(view, &SheetView::documentChanged, this, [this] { lifecycle_->MarkChanged(); });
    if (ClassifySheet(workbook_.Sheets[static_cast<size_t>(sheetIndex)].GridName) == SheetKind::NotesList)
        connect(view, &SheetView::cellReleased, navigator_, [this](int col, int row, bool hand) {
            if (hand) navigator_->NotesListReleased(col, row);
        });
}

bool MainWindow::event(QEvent* event) {
    // Without a window manager a shown window may never be activated; its
    // first show starts the choice as well, which still runs once.
    const bool starts = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (starts && !startupDone_ && !closing_) QTimer::singleShot(0, this, &MainWindow::RunStartupChoice);
    return QMainWindow::event(event);
}

void MainWindow::RunStartupChoice() {
    if (startupDone_) return;
    startupDone_ = true;
    if (!env_.arguments.isEmpty()) {
        lifecycle_->SetFileName(env_.arguments.constFirst());
        lifecycle_->Load(env_.arguments.constFirst());
    } else {
        switch (start_->Choose(settings_.LastFile())) {
            case StartChoice::NewDocument:
                lifecycle_->NewDocument();
                break;
            case StartChoice::OpenFile:
                lifecycle_->Open();
                break;
            case StartChoice::LastFile: {
                const QString last = settings_.LastFile();
                if (!last.isEmpty() && QFileInfo(last).isFile()) {
                    lifecycle_->SetFileName(last);
                    lifecycle_->Load(last);
                } else {
                    lifecycle_->Open();
                }
                break;
            }
            case StartChoice::None:
                break;
        }
    }
    // The first "Zapisz" asks for a name.
    lifecycle_->SetFileName({});
    // The readable part of a damaged file stays unsaved, so that closing asks.
    if (!lifecycle_->ShowsReadablePart()) workbook_.Saved = true;
    QTimer::singleShot(env_.introductionDelayMs, this, &MainWindow::OfferIntroduction);
}

void MainWindow::OfferIntroduction() {
    if (closing_ || !settings_.ShowIntroduction()) return;
    ShowIntroduction();
}

void MainWindow::ShowIntroduction() { intro_->exec(); }

void MainWindow::ShowHelpContents() {
    const QString error = help_->ShowContents(files_.Help());
    if (!error.isEmpty()) prompts_->ReportError(kWindowCaption, error);
}

void MainWindow::OpenStandardStatement() {
    // A copy, so that the shipped document stays as it is, as a word
    // processor's "new from this document" does.
    const QString source = files_.StandardStatement();
    const QFileInfo info(source);
    const QDir temp(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
    QString target;
    for (int n = 1; n < 1000 && (target.isEmpty() || QFileInfo::exists(target)); ++n)
        target =
            temp.filePath(QStringLiteral("%1 %2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    if (!QFile::copy(source, target)) {
        prompts_->ReportError(kWindowCaption,
                              QStringLiteral("Nie można utworzyć dokumentu z pliku ") + source);
        return;
    }
    OpenUrl(QUrl::fromLocalFile(target));
}

bool MainWindow::OpenUrl(const QUrl& url) {
    return env_.openUrl ? env_.openUrl(url) : QDesktopServices::openUrl(url);
}

void MainWindow::EditOptions() {
    RunOptions options{context_->autoRecalc, context_->autoFitColumns};
    if (!options_->Edit(options)) return;
    context_->autoRecalc = options.autoRecalc;
    context_->autoFitColumns = options.autoFitColumns;
    FitActiveSheet();
}

void MainWindow::ToggleLanguage() {
    commands_.jezyk->setText(spf::ToggleLanguage(document_, views_));
    lifecycle_->MarkChanged();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close button asks as "Zakończ" does.
    if (!lifecycle_->AskToGiveUp()) {
        event->ignore();
        return;
    }
    closing_ = true;
    lifecycle_->Close();
    help_->close();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!closing_) FitActiveSheet();
}

void MainWindow::FitActiveSheet() {
    const int active = pages_->currentIndex();
    if (active >= 0 && active < static_cast<int>(views_.size())) WindowFit(active);
}

// Navigation

void MainWindow::WindowFit(int sheetIndex) {
    if (SheetView* v = view(sheetIndex)) FitWindow(*v);
}

void MainWindow::CalcHeights(int sheetIndex) {
    if (SheetView* v = view(sheetIndex)) spf::CalcHeights(*v);
}

void MainWindow::RecalculateSheet(int sheetIndex) { document_.recalculateSheet(sheetIndex); }

bool MainWindow::AutoRecalc() const { return context_->autoRecalc; }

void MainWindow::SheetTextsChanged() { document_.announce({ChangeKind::Values}); }

void MainWindow::Trace(const std::string& line) { log_.Trace(line); }

// Document host

void MainWindow::SetSheetAreaVisible(bool visible) { pages_->setVisible(visible); }

void MainWindow::SetWaitCursor(bool wait) {
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitCursorDepth_;
    } else if (waitCursorDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --waitCursorDepth_;
    }
}

void MainWindow::UndoJournalEmptied() {
    commands_.cofnij->setEnabled(false);
    commands_.toolCofnij->setEnabled(false);
}

void MainWindow::SetDocumentTitle(const QString& title) { setWindowTitle(title); }

void MainWindow::BuildSheetPages() {
    document_.resetRecalculation();
    // Without monitoring the engine does not even build its trace lines.
    document_.recalculator().context().trace = log_.Monitoring() ? &log_ : nullptr;
    for (size_t i = 0; i < workbook_.Sheets.size(); ++i) {
        auto* v = new SheetView(*context_, static_cast<int>(i), pages_);
        views_.push_back(v);
        ConnectView(v, static_cast<int>(i));
        pages_->addWidget(v);
    }
}

void MainWindow::ReleaseSheetPages() {
    context_->setActiveView(nullptr);
    navigator_->Clear();
    for (SheetView* v : views_) {
        pages_->removeWidget(v);
        delete v;
    }
    views_.clear();
}

void MainWindow::RefreshNavigation() {
    navigator_->AktualizujWidoczne();
    navigator_->RefreshTV();
}

void MainWindow::OpenNavigationOnFirstSheet() {
    panel_->Open();
    navigator_->SelectSheetNode(0);
}

void MainWindow::ShowNotesList() {
    navigator_->ChangeToSheet(std::string(kNotesListName));
    panel_->tree()->scrollToTop();
}

void MainWindow::AktualizujMenu() {
    const bool open = workbook_.DocumentOpen;
    // The hidden menus take part too, though a hidden action never reports itself enabled.
    for (QMenu* menu : commands_.documentMenus) {
        menu->setEnabled(open);
        menu->menuAction()->setEnabled(open);
    }
    for (QAction* action : commands_.documentActions) action->setEnabled(open);
    commands_.jezyk->setText(LanguageCommandCaption(workbook_.LangID));
    profitLossVariant_ = static_cast<int>(ProfitLossVariantInUse(workbook_));
}

}  // namespace spf
