#include "shell/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

#include "toolkit/Dialogs.h"

namespace shell {
namespace {

const QString kFolderKey = QStringLiteral("Dateien/LetzterOrdner");

QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("rohrweiten"),
                     QStringLiteral("rohrweiten"));
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

QString startFolder() {
    const QString last = settings().value(kFolderKey).toString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : documentsFolder();
}

void rememberFolderOf(const QString& file) {
    settings().setValue(kFolderKey, QFileInfo(file).absolutePath());
}

QString pdfProposal(const std::string& projectNumber) {
    return QDir(startFolder())
        .filePath(QString::fromStdString(tk::proposedFileName(projectNumber, ".pdf")));
}

void proposePdfFile(QPrinter& printer, const std::string& projectNumber) {
    printer.setOutputFileName(pdfProposal(projectNumber));
    printer.setOutputFormat(QPrinter::NativeFormat);
}

}  // namespace shell
