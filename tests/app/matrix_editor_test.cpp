// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/error_message.h"
#include "dialogs/matrix_editor.h"
#include "dialogs/name_generator.h"
#include "dialogs/options_dialog.h"
#include "editor/properties_inspector.h"

#include "model/transition_matrices.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace morvane::test {
namespace {

class MatrixEditorTest : public AppTest
{
protected:
    // Z1 with the inputs L1, L2 and the outputs L3, L4.
    void OpenNet()
    {
        TTestNet t;
        AddPosition(t.Net, 32, 40, "L1");
        AddPosition(t.Net, 32, 104, "L2");
        AddTransition(t.Net, 128, 40, "Z1");
        AddPosition(t.Net, 224, 40, "L3");
        AddPosition(t.Net, 224, 104, "L4");
        for (const std::int32_t y : { 56, 112 }) {
            AddArc(t.Net, 64, y, 144, y)->Arrowed = true;
            AddArc(t.Net, 144, y, 224, y)->Arrowed = true;
        }
        ASSERT_TRUE(SaveNetFile(Path("m.vgn").toStdString(), t.Net));
        net = gn->OpenNet(Path("m.vgn"));
        ASSERT_NE(net, nullptr);
        z1 = net->Net().Transitions().at(0);
        ASSERT_EQ(z1->InIndex.size(), 2u);
        ASSERT_EQ(z1->OutIndex.size(), 2u);
    }
    TTransitionMatrices Matrices() const { return DecodeMatrices(*z1, MatrixSettings()); }
    // Opens the matrix of the row through the inspector's "..." button; `edit` works the dialog.
    void EditMatrix(const char *row, std::function<void(TMatrixEditor &)> edit)
    {
        QTest::mouseClick(net->viewport(), Qt::LeftButton, {}, { 144, 80 });
        Settle();
        QTableWidget *grid = gn->Inspector()->PropertiesGrid();
        const auto found = grid->findItems(row, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row;
        grid->setCurrentCell(found[0]->row(), 1);
        AnswerModal([edit](QWidget *modal) { edit(*static_cast<TMatrixEditor *>(modal)); });
        gn->Inspector()->EditInDialog();
    }
    static void Pick(TMatrixEditor &editor, int row, int column)
    {
        editor.Grid()->clearSelection();
        editor.Grid()->item(row, column)->setSelected(true);
    }
    static void Click(QWidget *dialog, const char *name)
    {
        auto *button = dialog->findChild<QAbstractButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    TNet *net = nullptr;
    TTransition *z1 = nullptr;
};

TEST_F(MatrixEditorTest, ACellTypedInIsOneUndoStepAndCancelKeepsTheTransition)
{
    OpenNet();
    bool defaultLooksDefault = false;
    EditMatrix("Predicates", [&](TMatrixEditor &editor) {
        QTableWidgetItem *cell = editor.Grid()->item(0, 1);
        defaultLooksDefault = cell->text() == "wL1L4" && cell->font().italic();
        cell->setText("p14");
        Click(&editor, "bbOk");
    });
    EXPECT_TRUE(defaultLooksDefault);
    EXPECT_TRUE(Matrices().Predicate(0, 1).Stored);
    EXPECT_EQ(Matrices().Predicate(0, 1).Name, "p14");
    Trigger("miUndo");
    EXPECT_FALSE(Matrices().Predicate(0, 1).Stored);

    // A capacity must be a natural number or inf; the cell keeps its value until it is one.
    QString error;
    EditMatrix("Capacities", [&](TMatrixEditor &editor) {
        AnswerModal([&](QWidget *shown) {
            error = static_cast<TErrorMessage *>(shown)->ErrorLine();
            static_cast<QDialog *>(shown)->accept();
        });
        editor.Grid()->item(1, 0)->setText("-2");
        editor.Grid()->item(1, 1)->setText("3");
        Click(&editor, "bbCancel");
    });
    EXPECT_EQ(error, "Error defining capacity !");
    EXPECT_TRUE(z1->Capacities.empty());
}

TEST_F(MatrixEditorTest, ButtonsFillSetConstantsClearAndRenameByTheMask)
{
    OpenNet();
    EditMatrix("Predicates", [&](TMatrixEditor &editor) {
        Pick(editor, 0, 1);
        Click(&editor, "bTrue");
        Pick(editor, 1, 0);
        Click(&editor, "bFalse");
        Click(&editor, "bFill");
        Pick(editor, 0, 0);
        Click(&editor, "bClear");
        // The short mask renames the cell left to its default, not the filled one.
        AnswerModal([](QWidget *generator) {
            Click(generator, "sbshort");
            Click(generator, "bbOk");
        });
        Click(&editor, "bMask");
        EXPECT_EQ(editor.Grid()->item(0, 0)->text(), "w13");
        EXPECT_EQ(editor.Grid()->item(1, 1)->text(), "wL2L4");
        AnswerModal([](QWidget *generator) {
            Click(generator, "sbclong");
            Click(generator, "bbOk");
        });
        Click(&editor, "bTrueText");
        EXPECT_EQ(editor.Grid()->item(0, 1)->text(), "True");
        Click(&editor, "bbOk");
    });
    const TTransitionMatrices m = Matrices();
    EXPECT_FALSE(m.Predicate(0, 0).Stored);
    EXPECT_EQ(m.Predicate(0, 1).Value, TPredicateValue::True);
    EXPECT_EQ(m.Predicate(1, 0).Value, TPredicateValue::False);
    EXPECT_EQ(m.Predicate(1, 1).Name, "wL2L4");
    EXPECT_TRUE(m.Predicate(1, 1).Stored);
    const TMatrixSettings kept = Program().Options->Settings().Matrices;
    EXPECT_EQ(kept.Mask, kShortMask);
    EXPECT_EQ(kept.TrueText, "True");
}

TEST_F(MatrixEditorTest, PredicatesGroupShowsAndWritesADefinitionAndACharacteristicFunction)
{
    OpenNet();
    QString shownName;
    AnswerModal([&](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>("lbPredicates");
        ASSERT_EQ(list->count(), 4);
        list->item(1)->setSelected(true);
        shownName = dialog->findChild<QLineEdit *>("eprName")->text();
        dialog->findChild<QLineEdit *>("eprName")->setText("q");
        dialog->findChild<QPlainTextEdit *>("mPredicateDef")->setPlainText("x > 0");
        dialog->findChild<QLineEdit *>("ecfName")->setText("Phi");
        dialog->findChild<QPlainTextEdit *>("mcfDescription")->setPlainText("adds x");
        Click(dialog, "sbPredicateApply");
        Click(dialog, "bbOk");
    });
    Trigger("miGeneralizedNet");
    EXPECT_EQ(shownName, "wL1L4");
    const TTransitionMatrices m = Matrices();
    EXPECT_EQ(m.Predicate(0, 1).Name, "q");
    EXPECT_EQ(m.Predicate(0, 1).Definition, "x > 0");
    EXPECT_EQ(m.CharFns[1].Name, "Phi");
    EXPECT_EQ(m.CharFns[1].Description, "adds x");
    Trigger("miUndo");
    EXPECT_FALSE(Matrices().Predicate(0, 1).Stored);
    EXPECT_FALSE(Matrices().CharFns[1].Stored);
}

} // namespace
} // namespace morvane::test
