#include "DesktopShell.h"

#include "FreedesktopAssociations.h"
#include "ProcessSpawn.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {
QString WithoutEnclosingQuotes(const QString& text) {
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

#ifndef Q_OS_WIN
// The freedesktop association and xdg-open.
class FreedesktopShell : public DesktopShell {
public:
    bool openDocument(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return false;
        if (const std::optional<QStringList> command = m_associations.commandFor(path))
            return StartDetached(command->first(), command->mid(1));
        // No association of our own finding: let xdg-open try, and believe it only when it
        // reports success or is still busy starting a program.
        return RunBriefly(QStringLiteral("xdg-open"), {path}, 5000) != BriefRun::Failed;
    }

    QString associatedProgram(const QString& document) override {
        const std::optional<QStringList> command =
            m_associations.commandFor(WithoutEnclosingQuotes(document));
        return command ? command->first() : QString();
    }

    bool startProgram(const QString& program, const QStringList& arguments) override {
        return StartDetached(program, arguments);
    }

    bool openWebAddress(const QString& url) override {
        return StartDetached(QStringLiteral("xdg-open"), {url});
    }

    QString fallbackTextViewer() override {
        // The first installed of the common desktop text editors, else whatever xdg-open picks.
        for (const char* editor : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad",
                                   "pluma", "xed", "featherpad", "leafpad", "geany"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(editor));
            if (!found.isEmpty())
                return found;
        }
        return QStringLiteral("xdg-open");
    }

private:
    FreedesktopAssociations m_associations;
};
#else
// ShellExecute and FindExecutable.
class WindowsShell : public DesktopShell {
public:
    bool openDocument(const QString& path) override { return execute(path, QString()); }
    QString associatedProgram(const QString& document) override {
        wchar_t buffer[MAX_PATH + 1] = {};
        const auto code = reinterpret_cast<INT_PTR>(
            FindExecutableW(reinterpret_cast<const wchar_t*>(document.utf16()), nullptr, buffer));
        return code > 32 ? QString::fromWCharArray(buffer) : QString();
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        QStringList quoted;
        for (const QString& a : arguments)
            quoted << QLatin1Char('"') + a + QLatin1Char('"');
        return execute(program, quoted.join(QLatin1Char(' ')));
    }
    bool openWebAddress(const QString& url) override { return execute(url, QString()); }
    QString fallbackTextViewer() override { return QStringLiteral("notepad.exe"); }

private:
    static bool execute(const QString& target, const QString& parameters) {
        const auto code = reinterpret_cast<INT_PTR>(ShellExecuteW(
            nullptr, L"open", reinterpret_cast<const wchar_t*>(target.utf16()),
            parameters.isEmpty() ? nullptr : reinterpret_cast<const wchar_t*>(parameters.utf16()),
            nullptr, SW_SHOWNORMAL));
        return code > 32;
    }
};
#endif
} // namespace

std::unique_ptr<DesktopShell> CreateDesktopShell() {
#ifdef Q_OS_WIN
    return std::make_unique<WindowsShell>();
#else
    return std::make_unique<FreedesktopShell>();
#endif
}
