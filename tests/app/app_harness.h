// What the application tests share: scripted answers to the dialogs, a
// program folder with the shipped files, small statement files and a main
// window built on them.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <memory>

#include "app/main_window.h"
#include "app/user_prompts.h"

namespace spf::testing {

class ScriptedPrompts final : public UserPrompts {
public:
    std::deque<Answer> answers;            // for the yes/no/cancel questions
    std::deque<QString> openNames;         // what the open dialog returns ("" cancels)
    std::deque<QString> saveNames;         // what the save dialog returns ("" cancels)
    std::deque<QString> spreadsheetNames;  // what the spreadsheet save dialog returns ("" cancels)

    QStringList questions;
    QStringList informations;
    QStringList errors;
    QStringList saveProposals;         // the name each save dialog proposed
    QStringList spreadsheetProposals;  // folder/name each spreadsheet save dialog proposed
    int openDialogs = 0;

    Answer AskYesNoCancel(const QString& title, const QString& text) override;
    // Takes its answer from `answers` too: Yes is yes, anything else no.
    bool AskYesNo(const QString& title, const QString& text) override;
    void Inform(const QString& title, const QString& text) override;
    void ReportError(const QString& title, const QString& text) override;
    QString OpenFileName(const QString& folder) override;
    QString SaveFileName(const QString& folder, const QString& proposed) override;
    QString SaveSpreadsheetName(const QString& folder, const QString& proposed) override;
};

// A program folder and a documents folder of their own for one test.
class TestBed {
public:
    TestBed();

    QString ProgramDir() const { return program_.path(); }
    QString DocumentsDir() const { return documents_.path(); }
    // A statement file with every sheet of the catalogue, in the documents folder.
    QString WriteStatement(const QString& name) const;
    QString WriteText(const QString& name, const QByteArray& bytes) const;

    ScriptedPrompts prompts;
    QList<QUrl> openedUrls;
    bool desktopOpens = true;  // whether the desktop has a program for the URLs

    // A main window with the scripted dialogs; the introduction is offered
    // after `introDelayMs`.
    std::unique_ptr<MainWindow> Window(const QStringList& arguments = {}, int introDelayMs = 500);

private:
    QTemporaryDir program_;
    QTemporaryDir documents_;
};

// The settings under "Tamsor/Kolbex" removed.
void ClearSettings();

}  // namespace spf::testing
