#include "shell/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStringList>
#include <QTranslator>

#include "shell/Folders.h"
#include "shell/QtWindowSystem.h"

namespace shell {

namespace {

// A message box sizes itself by its text alone; a short text would cut off
// a title such as "Eingabeberichtigung:". Room for the title in a bold face,
// the window's icon and its close button keeps it whole.
void keepTitleVisible(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    constexpr int kTitleBarExtras = 160;
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtMessageBox::show(const std::string& text, const std::string& title, tk::MessageStyle style) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (style) {
        case tk::MessageStyle::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case tk::MessageStyle::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case tk::MessageStyle::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case tk::MessageStyle::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    keepTitleVisible(box);
    box.exec();
}

bool QtMessageBox::ask(const std::string& text, const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    keepTitleVisible(box);
    box.exec();
    return box.clickedButton() == yes;
}

namespace {

// "*.txt" as "*.[tT][xX][tT]": suffixes match regardless of case.
QString anyCase(const QString& pattern) {
    QString result;
    for (QChar c : pattern) {
        if (c.isLetter())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

}  // namespace

// The descriptions are shown as they are; the patterns behind them, which
// the dialog hides, match in any case.
QString qtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].trimmed().split(
                 QRegularExpression(QStringLiteral("[; ]+")), Qt::SkipEmptyParts))
            patterns << anyCase(pattern);
        entries << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QStringLiteral(")");
    }
    return entries.join(QStringLiteral(";;"));
}

std::string QtFileDialog::choose(const tk::FileRequest& request) {
    QWidget* owner = request.owner ? windows_.windowOf(*request.owner) : nullptr;
    QFileDialog dialog(owner ? owner : QApplication::activeWindow(),
                       QString::fromStdString(request.title));
    const bool saving = request.mode == tk::FileDialogMode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Qt's own dialog speaks the program's German; a platform dialog would
    // follow the system's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    dialog.setDirectory(startFolder());
    if (!request.proposedName.empty())
        dialog.selectFile(
            QDir(startFolder()).filePath(QString::fromStdString(request.proposedName)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().front();
    rememberFolderOf(chosen);
    return chosen.toStdString();
}

void useGermanQtTexts() {
    static QPointer<QTranslator> installed;
    if (installed || !QCoreApplication::instance()) return;
    auto* german = new QTranslator(QCoreApplication::instance());
    if (german->load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(german);
    installed = german;
}

}  // namespace shell
