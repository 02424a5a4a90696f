// SPDX-License-Identifier: MIT
#pragma once

#include "options/display_globals.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace morvane {

class TPickImage;
class TColorSample;

// The "&Colors" page of the options dialog: a tree of everything the colour table colours, a
// palette and a grid of shades to pick from, and the colour schemes. Picking edits the colour
// table at once.
//
// Schemes: "Classic" and "Default" both stand for the built-in table; "Custom" for the user's own
// table, which every edit of a colour updates (an edit under another scheme starts the custom
// table from the colours then shown and switches to it). Choosing "Classic" or "Default" thus
// shows the built-in colours and keeps the custom table for a later return.
class TColorPage : public QWidget
{
public:
    using TTable = std::array<TColor, kColorTableSize>;

    explicit TColorPage(QWidget *parent = nullptr);
    ~TColorPage() override;

    // Called when the dialog is shown: forgets the picking state, takes the mark away and
    // redraws the tree's swatches.
    void Activate();

    const QString &Scheme() const { return m_scheme; }
    const TTable &CustomTable() const { return m_custom; }
    // Puts the scheme and the custom table in effect: the colour table follows.
    void SetScheme(const QString &scheme, const TTable &custom);
    // Called after the user switched schemes.
    std::function<void()> SchemeSwitched;

    // Marks a palette cell (1-based column and row), a shade cell (both negative, -1 for the
    // first) or nothing (0, 0); a cell marked before is unmarked first.
    void Select(std::int32_t col, std::int32_t row);
    std::uint8_t PickState() const { return m_pickState; }
    TColor SampleColor() const;
    QTreeWidget *Tree() const { return m_tree; }
    QComboBox *SchemeBox() const { return m_schemeBox; }

private:
    void Mark(std::int32_t col, std::int32_t row);
    // Takes the mark away without handing its colour to a node.
    void Unmark();
    void DrawCross(QImage &image, std::int32_t c, std::int32_t r);
    void DrawShades(TColor base);
    void SetSample(TColor color);
    void TableEdited(int index);
    void RedrawSwatch(int index);
    void RedrawSwatches();
    void TreeClicked(QTreeWidgetItem *item);
    void SchemeChosen(int index);

    QComboBox *m_schemeBox = nullptr;
    QTreeWidget *m_tree = nullptr;
    std::array<QTreeWidgetItem *, kColorTableSize> m_nodes {};
    TPickImage *m_palette = nullptr;
    TPickImage *m_shades = nullptr;
    TColorSample *m_sample = nullptr;
    QPushButton *m_customButton = nullptr;

    std::uint8_t m_pickState = 0;
    std::int32_t m_markedCol = 0;
    std::int32_t m_markedRow = 0;
    bool m_crossShown = false;
    QString m_scheme = "Default";
    TTable m_custom = TDisplayGlobals::DefaultColorTable();
};

} // namespace morvane
