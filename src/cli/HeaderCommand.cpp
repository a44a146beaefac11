#include "HeaderCommand.h"

#include "FileErrors.h"
#include "HeaderAnalyzer.h"

int RunHeaderCommand(const QStringList& files, QTextStream& out, QTextStream& err) {
    int status = 0;
    for (const QString& path : files) {
        try {
            const HeaderInfo info = AnalyzeGedcomHeader(path);
            out << path << '\t' << info.Type << '\t' << info.BOM << '\t' << info.Program << '\t'
                << info.Dest << '\t' << info.Char << '\n';
        } catch (const FileAccessError& error) {
            out.flush();
            err << "quendal-scan: cannot open " << path << ": " << error.reason() << '\n';
            err.flush();
            status = 1;
        }
    }
    out.flush();
    return status;
}
