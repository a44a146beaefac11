#include "DesktopDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTreeView>
#include <QVBoxLayout>

void DesktopWarningBox::showWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

std::optional<QString> DesktopFolderPicker::pickFolder(QWidget* parent,
                                                       const QString& startFolder) {
    // A folder tree with a prompt above it and the chosen path below, as users know it.
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Browse for Folder"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Select the folder to look in."), &dialog));
    auto* model = new QFileSystemModel(&dialog);
    model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    model->setRootPath(QDir::rootPath());
    auto* tree = new QTreeView(&dialog);
    tree->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c)
        tree->hideColumn(c);
    tree->header()->hide();
    layout->addWidget(tree);
    auto* path = new QLabel(&dialog);
    layout->addWidget(path);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [model, path](const QModelIndex& current) {
                         path->setText(QDir::toNativeSeparators(model->filePath(current)));
                     });
    const QDir start(startFolder);
    if (!startFolder.isEmpty() && start.exists()) { // else the dialog starts at its default
        const QModelIndex index = model->index(start.absolutePath());
        tree->setCurrentIndex(index);
        tree->scrollTo(index);
    }
    dialog.resize(360, 420);
    if (dialog.exec() != QDialog::Accepted || !tree->currentIndex().isValid())
        return std::nullopt;
    return QDir::toNativeSeparators(model->filePath(tree->currentIndex()));
}
