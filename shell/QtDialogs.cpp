#include "shell/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace shell {

void QtMessageBox::show(const std::string& text, const std::string& title, tk::MessageStyle style) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (style) {
        case tk::MessageStyle::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case tk::MessageStyle::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case tk::MessageStyle::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QString qtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << parts[i].trimmed() + QStringLiteral(" (") + patterns + QStringLiteral(")");
    }
    return entries.join(QStringLiteral(";;"));
}

std::string QtFileDialog::choose(tk::FileDialogMode mode, const std::string& filter,
                                 const std::string& title) {
    QWidget* parent = QApplication::activeWindow();
    QString caption = QString::fromStdString(title);
    QString name = mode == tk::FileDialogMode::Open
                       ? QFileDialog::getOpenFileName(parent, caption, QString(), qtFilter(filter))
                       : QFileDialog::getSaveFileName(parent, caption, QString(), qtFilter(filter));
    return name.toStdString();
}

}  // namespace shell
