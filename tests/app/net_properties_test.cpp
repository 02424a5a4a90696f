// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/error_message.h"
#include "dialogs/net_properties.h"
#include "editor/properties_inspector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace morvane::test {
namespace {

class NetPropertiesTest : public AppTest
{
protected:
    template <class T> static T *Child(QWidget *dialog, const char *name)
    {
        T *w = dialog->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    std::string Labels(TNet *net) const
    {
        std::string text;
        for (const TPosition *p : net->Net().Positions())
            text += p->selfLabel()
                + (p->Capacity < 0 ? "=inf " : "=" + std::to_string(p->Capacity) + " ");
        return text;
    }
    // Types the text into the inspector's value cell of the row and enters it.
    void EditRow(const char *name, const QString &text)
    {
        QTableWidget *grid = gn->Inspector()->PropertiesGrid();
        const auto found = grid->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        QTableWidgetItem *value = grid->item(found[0]->row(), 1);
        const QPoint at = grid->visualItemRect(value).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                editor = e;
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        Settle();
    }
    QString RowText(const char *name) const
    {
        QTableWidget *grid = gn->Inspector()->PropertiesGrid();
        const auto found = grid->findItems(name, Qt::MatchExactly);
        return found.size() == 1 ? grid->item(found[0]->row(), 1)->text() : QString();
    }
};

TEST_F(NetPropertiesTest, DialogAndInspectorEditTheNetWithUndo)
{
    DropUnsavedNets();
    WriteSampleNet(Path("s.vgn"));
    TNet *net = gn->OpenNet(Path("s.vgn"));
    ASSERT_NE(net, nullptr);
    Settle();
    EXPECT_EQ(RowText("Time step"), "1");

    QString shownError;
    bool focusBack = false;
    AnswerModal([&](QWidget *dialog) {
        auto *step = Child<QLineEdit>(dialog, "eTimeStep");
        Type(step, "0");
        AnswerModal([&](QWidget *error) {
            shownError = static_cast<TErrorMessage *>(error)->ErrorLine();
            QTest::mouseClick(static_cast<TErrorMessage *>(error)->OkButton(), Qt::LeftButton);
        });
        QTest::mouseClick(Child<QPushButton>(dialog, "bbOk"), Qt::LeftButton);
        focusBack = dialog->focusWidget() == step;
        Type(step, "2");

        // Positions by rows as P1, P2 with capacity 0 from the toggled "inf" button.
        Type(Child<QLineEdit>(dialog, "mpLabel"), "P");
        auto *number = Child<QToolButton>(dialog, "tbpInsertNumber");
        QTest::mouseClick(number, Qt::LeftButton);
        QTest::mouseClick(number, Qt::RightButton);
        EXPECT_TRUE(Child<QCheckBox>(dialog, "cbpLabel")->isChecked());
        auto *inf = Child<QPushButton>(dialog, "bpcInfinity");
        QTest::mouseClick(inf, Qt::RightButton);
        QTest::mouseClick(inf, Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(dialog, "bpAll"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(dialog, "bbOk"), Qt::LeftButton);
    });
    Trigger("miGeneralizedNet");
    EXPECT_EQ(shownError, "Error defining time step !");
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(net->Net().NetTimeStep, 2);
    EXPECT_EQ(Labels(net), "P1=0 P2=0 ");
    EXPECT_EQ(RowText("Time step"), "2");
    Trigger("miUndo");
    EXPECT_EQ(Labels(net), "L1=inf L2=inf ");

    // The inspector: the clicked position, a refused capacity, an accepted one, undo.
    QTest::mouseClick(net->viewport(), Qt::LeftButton, {}, { 48, 96 });
    Settle();
    EXPECT_EQ(gn->Inspector()->Inspected(), net->Net().Positions()[0]);
    EXPECT_EQ(gn->Inspector()->Selector()->currentText(), "L1");
    AnswerModal([&](QWidget *error) {
        shownError = static_cast<TErrorMessage *>(error)->ErrorLine();
        static_cast<QDialog *>(error)->accept();
    });
    EditRow("Capacity", "lots");
    EXPECT_EQ(shownError, "Error defining capacity !");
    EXPECT_EQ(RowText("Capacity"), "inf");
    EditRow("Capacity", "7");
    EXPECT_EQ(Labels(net), "L1=7 L2=inf ");
    Trigger("miUndo");
    EXPECT_EQ(Labels(net), "L1=inf L2=inf ");
    EXPECT_EQ(RowText("Capacity"), "inf");

    // The relabel command numbers by transitions: the input first, then the output.
    net->Net().Positions()[0]->SetselfLabel("X");
    Trigger("miByTransitions");
    EXPECT_EQ(Labels(net), "L1=inf L2=inf ");
    Trigger("miClose");
    Settle();
    EXPECT_EQ(gn->Inspector()->PropertiesGrid()->rowCount(), 0);
}

} // namespace
} // namespace morvane::test
