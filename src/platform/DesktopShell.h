#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// What the program asks of the desktop when it hands a file to another program. Every call
// returns once the desktop has answered; none waits for the started program.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Opens the document with the program the desktop associates with its type. True only
    // when a program was really started (a missing document is a failure).
    virtual bool openDocument(const QString& path) = 0;
    // The program associated with the document's type; empty when there is none or the
    // document does not exist. One pair of enclosing double quotes is not part of the path.
    virtual QString associatedProgram(const QString& document) = 0;
    // Starts program with these arguments, each reaching it whole. True when it started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Shows a web address in the user's browser.
    virtual bool openWebAddress(const QString& url) = 0;
    // The viewer to use when no program is associated with text files.
    virtual QString fallbackTextViewer() = 0;
};

// The shell of the desktop the program runs on.
std::unique_ptr<DesktopShell> CreateDesktopShell();
