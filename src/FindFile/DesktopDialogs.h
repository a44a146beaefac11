#pragma once

#include <QString>
#include <optional>

class QWidget;

// The modal boxes the window shows; tests put recorders in their place.
class WarningBox {
public:
    virtual ~WarningBox() = default;
    // A warning symbol, the text and a single OK button; returns when dismissed.
    virtual void showWarning(QWidget* parent, const QString& text) = 0;
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // The folder the user confirmed, or nothing when cancelled.
    virtual std::optional<QString> pickFolder(QWidget* parent, const QString& startFolder) = 0;
};

// The real boxes.
class DesktopWarningBox : public WarningBox {
public:
    void showWarning(QWidget* parent, const QString& text) override;
};

class DesktopFolderPicker : public FolderPicker {
public:
    std::optional<QString> pickFolder(QWidget* parent, const QString& startFolder) override;
};
