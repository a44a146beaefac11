#pragma once

// A desktop shell that starts nothing: it writes down what it was asked and answers as told.

#include "DesktopShell.h"

#include <QMap>

class RecordingShell : public DesktopShell {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };
    QStringList opened;   // documents asked to open
    QList<Start> started; // programs asked to start
    QStringList webAddresses;
    QStringList lookedUp;                // documents asked about
    QMap<QString, QString> associations; // document -> program
    bool openSucceeds = true;
    bool startSucceeds = true;
    std::function<void(const QString&)> onOpen; // e.g. a program that writes a log file

    bool openDocument(const QString& path) override {
        opened << path;
        if (onOpen)
            onOpen(path);
        return openSucceeds;
    }
    QString associatedProgram(const QString& document) override {
        lookedUp << document;
        return associations.value(document);
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        started << Start{program, arguments};
        return startSucceeds;
    }
    bool openWebAddress(const QString& url) override {
        webAddresses << url;
        return true;
    }
    QString fallbackTextViewer() override { return QStringLiteral("fallback-viewer"); }
};
