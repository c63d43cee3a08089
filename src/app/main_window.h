// The main window: menus and tool bar, the navigation panel, one page per
// sheet, the small windows created once, and the start-up choice.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "app/app_environment.h"
#include "app/app_settings.h"
#include "app/command_table.h"
#include "app/document_host.h"
#include "app/shipped_files.h"
#include "app/work_log.h"
#include "model/dates.h"
#include "model/workbook.h"
#include "workbench/catalogue/sheet_navigator.h"
#include "workbench/document/document.h"

class QSplitter;
class QStackedWidget;

namespace spf {

class AboutWindow;
class DocumentLifecycle;
class HelpWindow;
class IntroWindow;
class NavigationPanel;
class OptionsDialog;
class PartnerWindow;
class ProgressWindow;
class SheetSelectionDialog;
class SheetView;
class SpreadsheetExport;
class StartWindow;
class ViewContext;

class MainWindow : public QMainWindow, private NavigationHooks, private DocumentHost {
    Q_OBJECT
public:
    explicit MainWindow(AppEnvironment environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workbook& workbook() { return workbook_; }
    Document& workbookDocument() { return document_; }
    DocumentLifecycle& document() { return *lifecycle_; }
    SheetNavigator& navigator() { return *navigator_; }
    const CommandTable& commands() const { return commands_; }
    NavigationPanel& navigationPanel() { return *panel_; }
    QStackedWidget* pages() const { return pages_; }
    SheetView* view(int sheetIndex) const;
    ViewContext& viewContext() { return *context_; }
    WorkLog& workLog() { return log_; }
    AppSettings& settings() { return settings_; }
    StartWindow& startWindow() { return *start_; }
    IntroWindow& introWindow() { return *intro_; }
    AboutWindow& aboutWindow() { return *about_; }
    ProgressWindow& progressWindow() { return *progress_; }
    HelpWindow& helpWindow() { return *help_; }
    // The sheets ticked in "Wybór arkuszy", for the export and printing.
    SheetSelectionDialog& sheetSelection() { return *sheetSelection_; }

    // Runs once, the first time the window becomes active.
    void RunStartupChoice();
    bool StartupChoiceDone() const { return startupDone_; }

    // "Język angielski" / "Język polski".
    void ToggleLanguage();
    // The profit-and-loss variant the general data show: 0 comparative, 1 cost of sales.
    int ProfitAndLossVariant() const { return profitLossVariant_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // NavigationHooks
    void WindowFit(int sheetIndex) override;
    void CalcHeights(int sheetIndex) override;
    void RecalculateSheet(int sheetIndex) override;
    bool AutoRecalc() const override;
    void SheetTextsChanged() override;
    void Trace(const std::string& line) override;

    // DocumentHost
    void SetSheetAreaVisible(bool visible) override;
    void SetWaitCursor(bool wait) override;
    void UndoJournalEmptied() override;
    void SetDocumentTitle(const QString& title) override;
    void BuildSheetPages() override;
    void ReleaseSheetPages() override;
    void RefreshNavigation() override;
    void OpenNavigationOnFirstSheet() override;
    void ShowNotesList() override;
    void AktualizujMenu() override;

    void ConnectCommands();
    void ConnectView(SheetView* view, int sheetIndex);
    void OfferIntroduction();
    void ShowIntroduction();
    void ShowHelpContents();
    void OpenStandardStatement();
    void EditOptions();
    bool OpenUrl(const QUrl& url);
    void FitActiveSheet();

    AppEnvironment env_;
    SystemClock systemClock_;
    const Clock& clock_;
    ShippedFiles files_;
    Document document_{clock_};
    Workbook& workbook_ = document_.workbook();
    WorkLog log_;
    AppSettings settings_;
    std::unique_ptr<UserPrompts> ownPrompts_;
    UserPrompts* prompts_;
    ViewContext* context_;

    CommandTable commands_;
    QSplitter* splitter_;
    NavigationPanel* panel_;
    QStackedWidget* pages_;
    std::vector<SheetView*> views_;
    SheetNavigator* navigator_;

    StartWindow* start_;
    ProgressWindow* progress_;
    OptionsDialog* options_;
    IntroWindow* intro_;
    AboutWindow* about_;
    std::unique_ptr<HelpWindow> help_;  // top-level, so that it stays usable beside modal windows
    PartnerWindow* partner_;
    std::unique_ptr<DocumentLifecycle> lifecycle_;
    SheetSelectionDialog* sheetSelection_;
    std::unique_ptr<SpreadsheetExport> export_;

    bool startupDone_ = false;
    bool closing_ = false;
    int waitCursorDepth_ = 0;
    int profitLossVariant_ = 0;
};

}  // namespace spf
