#pragma once
// What the sheet tests share: dialogs answered from a script, and the user's
// ways of typing into a field and leaving it.

#include "properties/gui/sheets/PropertySheet.h"
#include "properties/gui/sheets/SheetDialogs.h"
#include "properties/gui/sheets/SheetPage.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace pictavo::test {

class ScriptedSheetDialogs : public SheetDialogs {
public:
    std::deque<std::optional<int>> colours;
    std::deque<std::optional<FontChoice>> fonts;
    std::deque<std::optional<MetaText>> variables;
    QStringList variableTitles;
    std::optional<int> chooseColour(int, QWidget*) override { return next(colours); }
    std::optional<FontChoice> chooseFont(const FontChoice&, QWidget*) override {
        return next(fonts);
    }
    std::optional<MetaText> editVariable(const QString& title, const MetaText&, QWidget*) override {
        variableTitles << title;
        return next(variables);
    }

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& script) {
        if (script.empty())
            return std::nullopt;
        std::optional<T> answer = script.front();
        script.pop_front();
        return answer;
    }
};

inline void showSheet(QWidget* sheet) {
    sheet->show();
    QApplication::setActiveWindow(sheet);
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
}

// The control named name on the sheet's page with the given caption id.
template <typename Widget>
Widget* control(PropertySheet& sheet, int pageCaptionId, const char* name) {
    SheetPage* page = sheet.page(uiText(pageCaptionId));
    EXPECT_NE(page, nullptr) << uiText(pageCaptionId).toStdString();
    if (!page)
        return nullptr;
    sheet.tabs()->setCurrentWidget(page);
    auto* widget = page->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Replaces the text the way a user does: focus, select all, type.
template <typename Edit>
void typeInto(Edit* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Clicks a check box or radio button on its box, as a user does: a box
// stretched by its layout is not hit in its middle.
inline void tick(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Tab moves the focus on, and the edit that had it is finished.
inline void leaveField(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Tab);
}

}  // namespace pictavo::test
