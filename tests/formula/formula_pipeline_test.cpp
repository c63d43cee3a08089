// Formula texts evaluated by the whole pipeline on a small workbook, with
// the exact value texts they must give.
#include "formula/formula_pipeline.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "fixture_book.h"

namespace spf::test {
namespace {

class FormulaPipeline : public ::testing::Test {
protected:
    void SetUp() override {
        book.AddSheet("A");
        book.AddSheet("Pasywa");
        book.AddSheet("Aktywa", 7, 80);
        book.Value("Pasywa", "D6", "100");
        book.Value("Pasywa", "D7", "250");
        book.Value("Pasywa", "D8", "");
        book.Value("A", "B1", "12345");
        book.Value("A", "B2", "42");
        book.Value("A", "B5", "100");
        book.Text("A", "B6", "Zysk");
        book.Value("A", "B7", "1234550");
        book.Value("A", "B8", "1234450");
        book.Value("A", "B10", "12,5");
        book.Value("A", "B11", "-12,5");
        book.Formula("Aktywa", "E73", "=1234");
        book.Value("Aktywa", "E73", "1234");
        book.Formula("Aktywa", "E74", "=1/0");
        book.Value("Aktywa", "E74", "\u2013");
        book.wb.Header.Podatek1 = 19;
        book.wb.Header.Firma = "ABC, spółka";
    }

    FixtureBook book;
};

struct Case {
    const char* formula;
    const char* value;
};

TEST_F(FormulaPipeline, GivesTheValueTextOfEachFormula) {
    const std::vector<Case> cases = {
        // An empty cell counts as 0.
        {"=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D8'))", "350"},
        // Fractions are cut toward zero at every step.
        {"=RANGE('A!B5')/3", "33"},
        {"=RANGE('A!B5')*-1/3", "-33"},
        {"=2*(7/2)", "6"},
        {"=SUM(1.5,1)", "2"},
        // A group at the very start is reduced like one after an operator.
        {"=(1+2)*3", "9"},
        {"=(7/2)*2", "6"},
        {"=((2))", "2"},
        // The calls inside a group are values before the group is read.
        {"=(RANGE('A!B5')+RANGE('A!B2'))*2", "284"},
        {"=2*(RANGE('A!B5')-(RANGE('A!B2')+8))", "100"},
        {"=SUM((RANGE('A!B5')+1),2)", "103"},
        // A range written right to left is empty, and so is the call.
        {"=SUM(RANGE('A!D8'):RANGE('A!D6'))", "###"},
        {"=RANGE('Aktywa!E73')", "1234"},
        {"=RANGE('Aktywa!E74')", "###"},
        // An unknown sheet reads the formula's own sheet.
        {"=RANGE('Nieznany!B2')", "42"},
        {"=RANGE('B5')", "100"},
        // A reference without a sheet reads the sheet named last.
        {"=RANGE('Pasywa!D6')+RANGE('D7')", "350"},
        {"=RANGE('1,4,6')", "100"},
        {"=RANGE('a!b5')", "100"},
        // A text reaches the engine as an unknown identifier.
        {"=RANGE('A!B6')", "###"},
        {"=RANGE('A!B10')", "12"},
        {"=RANGE('A!B10')+1", "13"},
        {"=RANGE('A!B11')", "-12"},
        {"=ZAOKR(RANGE('A!B7'))", "1234600"},
        {"=ZAOKR(RANGE('A!B8'))", "1234400"},
        {"=RANGE('Opcje!H1')", "###"},
        {"=FIRMA", "ABC"},
        {"=IF(RANGE('A!B1')>0,RANGE('A!B1')*PODATEK/100,0)", "2345"},
        {"=IF(RANGE('A!B5')-RANGE('A!B1')<0,RANGE('A!B1')-RANGE('A!B5'),0)", "12245"},
        {"=Sum(Range('A!B1'):Range('A!B1'),Range('A!B5'):Range('A!B5'))", "12445"},
        {"=sum(range('A!B1'):range('A!B2'))", "12387"},
        {"=SUM(RANGE('A!B1'),-RANGE('A!B5'))", "12245"},
        // A range inside a call that is only part of an argument.
        {"=IF(SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D8'))>300,1,2)", "1"},
        {"=IF(1>0,SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D8')),0)", "350"},
        {"=IF(1>0,-SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D7'))*2,0)", "-700"},
        {"=SUM(SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D7'))+1,5)", "356"},
        {"=RANGE('A!B1')>0", "TRUE"},
        {"=ROKA", "2004"},
        {"=ROKA-1", "###"},
        // Malformed texts and references.
        {"=RANGE('A!B1'", "###"},
        {"=SUM(1,2", "###"},
        {"=1)", "###"},
        {"=SUM(1,,2)", "###"},
        {"=RANGE('A!5')", "###"},
        {"=RANGE('A!B')", "###"},
        {"=RANGE('A!B5x')", "###"},
        {"=RANGE('A!Z99')", "###"},
        {"=RANGE('99,2,1')", "###"},
        {"=SUM(RANGE('A!B1'):RANGE('A!B99999'))", "###"},
        {"", "###"},
    };
    for (const Case& c : cases) EXPECT_EQ(book.Evaluate("A", c.formula), c.value) << c.formula;
}

TEST_F(FormulaPipeline, WholeResultsStayExactUpTo2To53AndFailBeyond) {
    book.Value("A", "C1", "999999999999999");  // 9 999 999 999 999,99 zl
    book.Value("A", "C2", "999999999999999");
    const std::vector<Case> cases = {
        {"=SUM(RANGE('A!C1'):RANGE('A!C2'))", "1999999999999998"},
        {"=RANGE('A!C1')+RANGE('A!C2')", "1999999999999998"},
        {"=RANGE('A!C1')*1.0+RANGE('A!C2')", "1999999999999998"},
        {"=SUM(4503599627370496,4503599627370495)", "9007199254740991"},
        {"=-SUM(4503599627370496,4503599627370495)", "-9007199254740991"},
        {"=ZAOKR(999999999999950)", "1000000000000000"},
        {"=SUM(1000000000000000.5,0)", "1000000000000000"},
        // Beyond 2^53 a double no longer holds every whole number: the
        // formula fails rather than keep the first digit of 9,2E18.
        {"=SUM(4503599627370496,4503599627370496)", "###"},
        {"=2^63", "###"},
        {"=1E20", "###"},
        {"=-1.5E20*1", "###"},
        // Below 1 the whole part is 0, whatever the scientific form starts with.
        {"=0.3-0.1-0.2", "0"},
        {"=1E-7", "0"},
        {"=-1.5E-7*1", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(book.Evaluate("A", c.formula), c.value) << c.formula;
}

// Whatever a cell of a range holds, the range gives what the cells' own
// RANGE calls written out one by one give.
TEST_F(FormulaPipeline, RangeReadsEachCellAsItsOwnRangeCall) {
    struct CellCase {
        const char* val;
        const char* sum;  // of 100, the cell and 7
    };
    const std::vector<CellCase> cases = {
        {"", "107"},
        {"250", "357"},
        {"-250", "-143"},
        {"0012", "119"},
        {" 42 ", "149"},
        {"12,5", "119"},
        {"-12,5", "95"},
        {"1,5E-7", "107"},
        {"1,5E20", "###"},
        {"TRUE", "108"},
        {"ROKA", "2111"},
        {"(1+2)", "110"},
        {"RANGE('A!C1')", "207"},
        {"Zysk", "###"},
        {"\u2013", "###"},
        {"4 2", "###"},
        {"99999999999999999999", "###"},
    };
    book.Value("A", "C1", "100");
    book.Value("A", "C3", "7");
    for (const CellCase& c : cases) {
        book.Value("A", "C2", c.val);
        EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!C1'):RANGE('A!C3'))"), c.sum) << c.val;
        EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!C1'),RANGE('A!C2'),RANGE('A!C3'))"), c.sum) << c.val;
        EXPECT_EQ(book.Evaluate("A", "=SUM(0.5,RANGE('A!C1'):RANGE('A!C3'),0.75)"),
                  book.Evaluate("A", "=SUM(0.5,RANGE('A!C1'),RANGE('A!C2'),RANGE('A!C3'),0.75)"))
            << c.val;
        // Other calls take the cells as so many parameters.
        EXPECT_EQ(book.Evaluate("A", "=ABS(RANGE('A!C2'):RANGE('A!C2'))"),
                  book.Evaluate("A", "=ABS(RANGE('A!C2'))"))
            << c.val;
    }
    // A cell without properties gives the text it shows; a formula's Val its value.
    book.C("A", "C2").Props.reset();
    book.C("A", "C2").Cells = "42";
    EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!C1'):RANGE('A!C3'))"), "149");
    book.Formula("A", "C2", "=5");
    book.Value("A", "C2", "=5");
    EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!C1'):RANGE('A!C3'))"), "112");
    // An empty range is an empty argument: dropped when last, a failure elsewhere.
    EXPECT_EQ(book.Evaluate("A", "=SUM(1,RANGE('A!C3'):RANGE('A!C1'))"), "1");
    EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!C3'):RANGE('A!C1'),1)"), "###");
}

TEST_F(FormulaPipeline, HostileNestingFailsInsteadOfExhaustingTheStack) {
    const std::string deep = "=" + std::string(20000, '(') + "1" + std::string(20000, ')');
    EXPECT_EQ(book.Evaluate("A", deep), "###");
    std::string calls = "=";
    for (int i = 0; i < 5000; ++i) calls += "ABS(";
    calls += "1" + std::string(5000, ')');
    EXPECT_EQ(book.Evaluate("A", calls), "###");
    // A text cell whose text reads the cell itself.
    book.Value("A", "B9", "RANGE('A!B9')");
    EXPECT_EQ(book.Evaluate("A", "=RANGE('A!B9')"), "###");
}

// Texts made of the pieces formulas are built from, in random order: the
// pipeline must give a value or "###" for each, never crash or hang.
TEST_F(FormulaPipeline, SurvivesRandomTexts) {
    const std::vector<std::string> pieces = {"RANGE('A!B5')",
                                             "RANGE('Pasywa!D6')",
                                             "RANGE('1,4,6')",
                                             "RANGE('",
                                             "')",
                                             "RANGE(",
                                             "SUM(",
                                             "IF(",
                                             "ZAOKR(",
                                             "(",
                                             ")",
                                             ",",
                                             ":",
                                             "+",
                                             "-",
                                             "*",
                                             "/",
                                             "=",
                                             "<",
                                             "'",
                                             "7",
                                             "0",
                                             "1.5",
                                             "12,5",
                                             "ROKA",
                                             "PODATEK",
                                             "Opcje!",
                                             "TRUE",
                                             " ",
                                             "DIV",
                                             "$F",
                                             "e",
                                             "!",
                                             "A1",
                                             "99999999999999999999"};
    std::mt19937 random(20040101);
    for (int i = 0; i < 3000; ++i) {
        std::string formula = "=";
        const int length = static_cast<int>(random() % 24);
        for (int k = 0; k < length; ++k) formula += pieces[random() % pieces.size()];
        const std::string value = book.Evaluate("A", formula);
        EXPECT_EQ(value.find(','), std::string::npos) << formula;
    }
}

TEST_F(FormulaPipeline, RecordsTheCalculatedCellOnceAsADependant) {
    auto& context = book.recalc.context();
    context.calculated = CalculatedCell{book.Index("A"), 3, 7};
    for (int i = 0; i < 3; ++i) EvaluateFormula(context, "=RANGE('A!B5')+RANGE('A!B5')", book.Index("A"));
    const auto& ref = book.C("A", "B5").Props->Ref;
    ASSERT_EQ(ref.size(), 1u);
    EXPECT_EQ(ref[0], (TReference{"A", 3, 7}));

    // A cell reading itself is not its own dependant.
    context.calculated = CalculatedCell{book.Index("A"), 2, 5};
    EvaluateFormula(context, "=RANGE('A!B5')", book.Index("A"));
    EXPECT_EQ(book.C("A", "B5").Props->Ref.size(), 1u);
    // Every cell of a range records it, and every other reader of the range once.
    for (int i = 0; i < 2; ++i)
        for (const int col : {4, 5}) {
            context.calculated = CalculatedCell{book.Index("A"), col, col};
            EvaluateFormula(context, "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D8'))", book.Index("A"));
        }
    for (const char* cell : {"D6", "D7", "D8"})
        EXPECT_EQ(book.C("Pasywa", cell).Props->Ref, (std::vector<TReference>{{"A", 4, 4}, {"A", 5, 5}}))
            << cell;
}

// A range's readers are not looked up again in cells that still list them;
// a cell that lost its dependants or got new properties lists them again.
TEST_F(FormulaPipeline, RangeReadersAreRecordedAgainWhereCellsChanged) {
    auto& context = book.recalc.context();
    const int a = book.Index("A");
    const auto sumIn = [&](int col) {
        context.calculated = CalculatedCell{a, col, col};
        return EvaluateFormula(context, "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D8'))", a);
    };
    const auto refs = [&](const char* cell) { return book.C("Pasywa", cell).Props->Ref; };
    const std::vector<TReference> both = {{"A", 4, 4}, {"A", 5, 5}};
    sumIn(4);
    sumIn(5);
    book.C("Pasywa", "D6").Props->Ref.clear();
    book.C("Pasywa", "D7").Props = std::make_unique<TCellProps>();
    book.C("Pasywa", "D7").Props->Val = "50";
    book.C("Pasywa", "D8").Props.reset();
    EXPECT_EQ(sumIn(4), "150");
    EXPECT_EQ(sumIn(5), "150");
    EXPECT_EQ(refs("D6"), both);
    EXPECT_EQ(refs("D7"), both);
    book.C("Pasywa", "D8").EnsureProps();
    sumIn(5);
    EXPECT_EQ(refs("D8"), (std::vector<TReference>{{"A", 5, 5}}));
    sumIn(4);
    EXPECT_EQ(refs("D8"), (std::vector<TReference>{{"A", 5, 5}, {"A", 4, 4}}));

    // A reader inside its own range does not list itself; a failing cell
    // still has the reader recorded in the cells read before it.
    book.Value("A", "C1", "1");
    book.Value("A", "C2", "2");
    book.Value("A", "C3", "\u2013");
    context.calculated = CalculatedCell{a, 3, 2};
    EXPECT_EQ(EvaluateFormula(context, "=SUM(RANGE('A!C1'):RANGE('A!C3'))", a), "###");
    EXPECT_EQ(book.C("A", "C1").Props->Ref, (std::vector<TReference>{{"A", 3, 2}}));
    EXPECT_TRUE(book.C("A", "C2").Props->Ref.empty());
    EXPECT_EQ(book.C("A", "C3").Props->Ref, (std::vector<TReference>{{"A", 3, 2}}));
}

class CollectingSink : public TraceSink {
public:
    void Write(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

TEST_F(FormulaPipeline, TracesEveryStepWithItsPrefix) {
    CollectingSink sink;
    book.recalc.context().trace = &sink;
    EXPECT_EQ(book.Evaluate("A", "=SUM(RANGE('A!B5'):RANGE('A!B5'))"), "100");
    const std::vector<std::string> expected = {
        "przelicz:=SUM(RANGE('A!B5'):RANGE('A!B5'))",
        "ex2val:SUM(RANGE('A!B5'):RANGE('A!B5'))",
        "CnvFn:SUM(RANGE('A!B5'):RANGE('A!B5'))",
        "cnvParm:RANGE('A!B5'):RANGE('A!B5')",
        "cnvRng:A!B5",
        "cnvRng:A!B5",
        // The cells of a range are summed as they are read, without a text per cell.
        "clc100",
    };
    EXPECT_EQ(sink.lines, expected);
}

}  // namespace
}  // namespace spf::test
