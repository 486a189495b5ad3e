// What Qt itself shows in the program's dialogs and menus is Thai.
#include <QAbstractButton>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTreeView>
#include <memory>

#include "window_test_support.h"

namespace krv1::platform {
namespace {

bool HasLatinWord(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}

TEST(ThaiQtTexts, TheTextBoxMenuIsThai) {
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    int items = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        // The key after the tab ("Ctrl+Z") is a key's name, not a word.
        const QString words = action->text().section(QLatin1Char('\t'), 0, 0);
        EXPECT_FALSE(HasLatinWord(words)) << words.toStdString();
        ++items;
    }
    EXPECT_GE(items, 6);
}

TEST(ThaiQtTexts, TheFileDialogIsThai) {
    QFileDialog dialog(nullptr, QStringLiteral("KRV1"), QDir::tempPath(), QString());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    testing::ProcessEvents();
    QStringList seen;
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        seen << button->text() << button->toolTip();
    for (auto* label : dialog.findChildren<QLabel*>()) seen << label->text();
    const auto* header = dialog.findChild<QTreeView*>()->header();
    for (int column = 0; column < header->count(); ++column)
        seen << header->model()->headerData(column, Qt::Horizontal).toString();
    seen.removeAll(QString());
    EXPECT_GE(seen.size(), 10);
    for (const QString& text : seen) EXPECT_FALSE(HasLatinWord(text)) << text.toStdString();
}

// The file dialog asks before it replaces a file; its answers are Thai too.
TEST(ThaiQtTexts, AYesOrNoQuestionIsThai) {
    QMessageBox question(QMessageBox::Question, QStringLiteral("KRV1"), QString(),
                         QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QString::fromUtf8("ใช่"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QString::fromUtf8("ไม่ใช่"));
}

}  // namespace
}  // namespace krv1::platform
