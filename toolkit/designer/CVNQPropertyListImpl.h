#pragma once

#include "CVNQPropertyList.h"
#include "CVNQScrollViewImpl.h"

#include <map>
#include <memory>
#include <vector>

namespace CVNQtLib {

class CVNQCheckBox;
class CVNQContainer;
class CVNQLabel;
class CVNQLineEdit;
class CVNQPushButton;
class CVNQSpinBox;

// One row of the grid; the widgets are owned by the content widget.
struct CVNQPropertyRow
{
    int inUse = 0;
    int kind = 0;
    CVNQContainer* container = nullptr;
    CVNQLabel* caption = nullptr;
    CVNQLabel* value = nullptr;
    CVNQSpinBox* spin = nullptr;
    CVNQLineEdit* edit = nullptr;
    CVNQCheckBox* check = nullptr;
    CVNQPushButton* picker = nullptr;
    CVNQContainer* line = nullptr;
};

class CVNQPropertyListImpl : public CVNQScrollViewImpl
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    explicit CVNQPropertyListImpl(CVNQScrollView* owner);

    CVNQPropertyList* list() const;
    // A row of that kind placed below the shown rows: a free pooled one,
    // else a new one.
    CVNQPropertyRow* acquireRow(int kind);
    // Shows in the row's editor the value def's target holds.
    void load(CVNQPropertyRow* row, const PropertyDef& def);
    // Shows again in def's style row the style its target now holds.
    void showPicked(const PropertyDef* def);
    // Puts the row and its editors at top, as wide as the list.
    void placeRow(CVNQPropertyRow* row, int top, int width) const;

    int captionWidth = 120;
    std::vector<CVNQPropertyRow*> shown;
    std::map<int, std::vector<std::unique_ptr<CVNQPropertyRow>>> pool;

public Q_SLOTS:
    void textChanged(const QString& text);
    void toggled(bool checked);
    void intChanged(int value);
    void pickerClicked();
    void editingFinished();

private:
    CVNQPropertyRow* buildRow(int kind, int top, int width);
    // After an edit the editor shows what the target kept (a setter may
    // clamp, trim or refuse): at once, or, while the user types in it, when
    // the typing ends, so the text does not change under the keys.
    void showHeld(QWidget* editor, const PropertyDef& def, bool now);
};

} // namespace CVNQtLib
