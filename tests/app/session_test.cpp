// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/edit_int.h"
#include "dialogs/options_dialog.h"
#include "editor/editor_modes.h"
#include "session/autosave.h"

#include <QCheckBox>
#include <QMessageBox>

#include <deque>
#include <functional>

namespace morvane::test {
namespace {

using Button = QMessageBox::StandardButton;

class SessionTest : public AppTest
{
protected:
    // Questions are answered from the list, in order, and remembered.
    void Answer(std::deque<Button> answers)
    {
        asked.clear();
        SetAskHook([this, answers](const QString &text, QMessageBox::StandardButtons) mutable {
            asked << text;
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << text.toStdString();
                return QMessageBox::Cancel;
            }
            const Button answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    TOptions &Options() const { return *Program().Options; }
    // A position placed with the mouse: one step in the net's history.
    void Place(TNet *net, QPoint at)
    {
        gn->SetMode(mdPlacePosition);
        QTest::mouseClick(net->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList asked;
};

TEST_F(SessionTest, ANetIsModifiedWhileItsHistoryStandsAwayFromTheLastSave)
{
    TNet *net = NewSizedNet();
    const QString path = Path("flag.vgn");
    struct Step
    {
        const char *What;
        std::function<void()> Act;
        bool Modified;
    };
    const Step steps[] = {
        { "new", [] {}, false },
        { "an edit",
            [&] {
                Place(net, { 80, 80 });
            },
            true },
        { "undone", [&] { Trigger("miUndo"); }, false },
        { "redone", [&] { Trigger("miRedo"); }, true },
        { "saved", [&] { ASSERT_TRUE(gn->SaveNetAs(*net, path)); }, false },
        { "undone past the save", [&] { Trigger("miUndo"); }, true },
        { "redone up to the save", [&] { Trigger("miRedo"); }, false },
        { "another edit in place of the saved one",
            [&] {
                Trigger("miUndo");
                Place(net, { 160, 80 });
            },
            true },
        { "that edit undone: still not the saved net", [&] { Trigger("miUndo"); }, true },
    };
    for (const Step &step : steps) {
        step.Act();
        EXPECT_EQ(net->IsModified(), step.Modified) << step.What;
        EXPECT_EQ(net->windowTitle(), (step.Modified ? "*" : "") + net->Caption()) << step.What;
        EXPECT_EQ(gn->windowTitle(), step.Modified ? "*MORVANE" : "MORVANE") << step.What;
    }
    EXPECT_FALSE(gn->OpenNet(path)->IsModified());
}

// A confirmation box off, then on with an answer; whether the action then happens.
struct Confirmation
{
    bool BoxOn;
    Button Answer;
    bool Done;
};
constexpr Confirmation kConfirmations[] = {
    { false, QMessageBox::NoButton, true },
    { true, QMessageBox::No, false },
    { true, QMessageBox::Yes, true },
};

TEST_F(SessionTest, ClosingAModifiedNetAsksToSaveItUnlessTheBoxIsOff)
{
    enum How { CloseCommand, CloseBox, Exit };
    // Every way of closing with each answer, and with the box off; a save whose file dialog is
    // cancelled keeps the net.
    const Confirmation answers[] = {
        { true, QMessageBox::Save, true },
        { true, QMessageBox::Save, false },
        { true, QMessageBox::Discard, true },
        { true, QMessageBox::Cancel, false },
        { false, QMessageBox::NoButton, true },
    };
    int row = 0;
    for (How way : { CloseCommand, CloseBox, Exit })
        for (const Confirmation &c : answers) {
            SCOPED_TRACE(row);
            if (row++ > 0)
                Restart();
            Options().cbSaveConf->setChecked(c.BoxOn);
            TNet *net = NewSizedNet();
            Place(net, { 80, 80 });
            const QString path = Path(QString("closed%1.vgn").arg(row));
            Answer(c.BoxOn ? std::deque<Button> { c.Answer } : std::deque<Button> {});
            if (c.Answer == QMessageBox::Save)
                AnswerModal([&](QWidget *modal) {
                    if (c.Done)
                        Choose(modal, path);
                    else
                        static_cast<QDialog *>(modal)->reject();
                });
            if (way == CloseCommand)
                Trigger("miClose");
            else if (way == CloseBox)
                net->parentWidget()->close();
            else
                Trigger("miExit");
            Settle();
            EXPECT_EQ(
                asked, c.BoxOn ? QStringList { "Save changes to Noname1.vgn?" } : QStringList {});
            EXPECT_EQ(QFile::exists(path), c.Answer == QMessageBox::Save && c.Done);
            if (way == Exit)
                EXPECT_EQ(gn->isVisible(), !c.Done);
            else
                EXPECT_EQ(gn->NetWindows().size(), c.Done ? 0u : 1u);
            EXPECT_EQ(gn->windowTitle(), c.Done ? "MORVANE" : "*MORVANE");
        }
}

TEST_F(SessionTest, ExitAsksWhenToldToThenSavesAndReopensAsTheOnExitBoxesSay)
{
    const QString path = Path("kept.vgn");
    WriteSampleNet(path);
    TNet *net = gn->OpenNet(path);
    Place(net, { 300, 300 });
    Options().cbExitConf->setChecked(true);
    Options().cbEditorFiles->setChecked(true);
    Options().cbDesktop->setChecked(true);
    Answer({ QMessageBox::No });
    EXPECT_FALSE(gn->close());
    const QByteArray before = ReadAll(path);
    // The modified net goes to its file without a question.
    Answer({ QMessageBox::Yes });
    EXPECT_TRUE(gn->close());
    EXPECT_EQ(asked, QStringList { "Exit Morvane?" });
    EXPECT_NE(ReadAll(path), before);

    Restart();
    ASSERT_EQ(gn->NetWindows().size(), 1u);
    EXPECT_EQ(gn->ActiveNet()->FilePath(), path);
    EXPECT_EQ(gn->ActiveNet()->Net().Positions().size(), 3u);
}

TEST_F(SessionTest, SaveAsAsksBeforeReplacingAFileOnlyWhenToldTo)
{
    const QString path = Path("there.vgn");
    for (const Confirmation &c : kConfirmations) {
        SCOPED_TRACE(c.BoxOn + int(c.Answer));
        WriteFile(path.toStdString(), "old");
        Options().cbOverrideConf->setChecked(c.BoxOn);
        Answer(c.BoxOn ? std::deque<Button> { c.Answer } : std::deque<Button> {});
        TNet *net = NewSizedNet();
        AnswerModal([&](QWidget *modal) { Choose(modal, path); });
        Trigger("miSaveAs");
        EXPECT_EQ(asked.size(), c.BoxOn ? 1 : 0);
        EXPECT_EQ(ReadAll(path) != "old", c.Done);
        EXPECT_EQ(net->FilePath() == path, c.Done);
    }
}

TEST_F(SessionTest, DeletingTheSelectionAsksOnlyWhenToldTo)
{
    TNet *net = NewSizedNet();
    for (const Confirmation &c : kConfirmations) {
        SCOPED_TRACE(c.BoxOn + int(c.Answer));
        AddPosition(net->Net(), 40, 40, "L9")->Mode = omSelected;
        const std::size_t before = net->Net().Positions().size();
        Options().cbDeleteObjConf->setChecked(c.BoxOn);
        Answer(c.BoxOn ? std::deque<Button> { c.Answer } : std::deque<Button> {});
        Trigger("miDelete");
        EXPECT_EQ(net->Net().Positions().size(), c.Done ? before - 1 : before);
        net->Net().SetModeOfAll(mfAll, mcDeselect);
    }
}

TEST_F(SessionTest, AutosaveCopiesThatAKilledRunLeavesAreOfferedAtTheNextStart)
{
    const QString path = Path("user.vgn");
    WriteSampleNet(path);
    const QByteArray original = ReadAll(path);
    Options().eAutoSaveInt->SetValue(2);
    TNet *opened = gn->OpenNet(path);
    Place(opened, { 300, 300 });
    TNet *untitled = NewSizedNet();
    Place(untitled, { 80, 80 });
    TNet *closed = NewSizedNet();
    Place(closed, { 80, 80 });
    TAutosave &autosave = *Program().Autosave;
    autosave.Tick();
    EXPECT_TRUE(autosave.CopyOf(*opened).isEmpty()) << "a copy every two minutes";
    autosave.Tick();
    for (TNet *net : { opened, untitled, closed }) {
        EXPECT_TRUE(QFile::exists(autosave.CopyOf(*net)));
        EXPECT_TRUE(autosave.CopyOf(*net).startsWith(TAutosave::RecoveryFolder()));
    }
    EXPECT_EQ(ReadAll(path), original) << "the user's own file is left alone";
    // A net closed on purpose leaves no copy behind.
    const QString closedCopy = autosave.CopyOf(*closed);
    Answer({ QMessageBox::Discard });
    closed->parentWidget()->close();
    EXPECT_FALSE(QFile::exists(closedCopy));
    // Changes after the last copy are what a kill loses.
    Place(opened, { 400, 300 });

    std::vector<TRecoveryEntry> offered;
    SetRecoveryHook([&](const std::vector<TRecoveryEntry> &entries) {
        offered = entries;
        return TRecoveryChoice { TRecoveryChoice::Restore, { 0, 1 } };
    });
    Restart();
    ASSERT_EQ(offered.size(), 2u);
    const std::vector<TNet *> nets = gn->NetWindows();
    ASSERT_EQ(nets.size(), 2u);
    for (TNet *net : nets)
        EXPECT_TRUE(net->IsModified());
    EXPECT_EQ(nets[0]->FilePath(), path);
    EXPECT_EQ(nets[0]->Net().Positions().size(), 3u);
    EXPECT_EQ(nets[1]->FilePath(), QString());
    EXPECT_EQ(nets[1]->Net().Positions().size(), 1u);
    EXPECT_TRUE(FindRecoverable().empty()) << "the restored nets' copies belong to this run";

    SetRecoveryHook([](const std::vector<TRecoveryEntry> &entries) {
        TRecoveryChoice discard { TRecoveryChoice::Discard, {} };
        for (std::size_t i = 0; i < entries.size(); ++i)
            discard.Chosen.push_back(i);
        return discard;
    });
    Restart();
    EXPECT_TRUE(gn->NetWindows().empty());
    EXPECT_TRUE(FindRecoverable().empty());
}

TEST_F(SessionTest, FilesNamedAtStartOpenInOrderPastOneThatCannotBeRead)
{
    const QString a = Path("a.vgn"), missing = Path("missing.vgn"), b = Path("b.vgn");
    WriteSampleNet(a);
    WriteSampleNet(b);
    AnswerModal([](QWidget *modal) { modal->close(); });
    OpenFiles({ a, missing, b });
    QStringList opened;
    for (TNet *net : gn->NetWindows())
        opened << net->Caption();
    EXPECT_EQ(opened, (QStringList { a, missing, b }));
    EXPECT_EQ(gn->NetWindows()[1]->Net().Count(), 0u);
    EXPECT_EQ(gn->ReopenList(), (QStringList { b, missing, a }));
}

} // namespace
} // namespace morvane::test
