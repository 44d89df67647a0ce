#pragma once
// The choices a property sheet asks of the user in a dialog of its own: a
// colour, a font, and the name and value of a meta variable. The program
// uses SystemSheetDialogs; tests answer with scripted choices. Messages and
// file dialogs go through UserPrompts instead.

#include "properties/gui/sheets/FontMapping.h"

#include <QString>

#include <optional>

class QWidget;

namespace pictavo {

class UserPrompts;

struct MetaText {
    QString name;
    QString value;
};

class SheetDialogs {
public:
    virtual ~SheetDialogs() = default;
    // A colour as 0x00BBGGRR; nothing when cancelled.
    virtual std::optional<int> chooseColour(int current, QWidget* parent) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current, QWidget* parent) = 0;
    // A meta variable's texts; the name is never empty.
    virtual std::optional<MetaText> editVariable(const QString& title, const MetaText& current,
                                                 QWidget* parent) = 0;
};

// The real dialogs; the variable dialog tells of an empty name through
// prompts, which must outlive this object.
class SystemSheetDialogs : public SheetDialogs {
public:
    explicit SystemSheetDialogs(UserPrompts& prompts) : prompts_(prompts) {}

    std::optional<int> chooseColour(int current, QWidget* parent) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current, QWidget* parent) override;
    std::optional<MetaText> editVariable(const QString& title, const MetaText& current,
                                         QWidget* parent) override;

private:
    UserPrompts& prompts_;
};

}  // namespace pictavo
