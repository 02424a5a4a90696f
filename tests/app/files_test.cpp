// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/error_message.h"
#include "editor/editor_modes.h"
#include "editor/file_names.h"
#include "editor/message_list_box.h"

#include "format/net_reader.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include <sys/stat.h>

namespace morvane::test {
namespace {

using FilesTest = AppTest;

QStringList MenuCaptions(QMenu *menu)
{
    QStringList captions;
    for (QAction *a : menu->actions())
        captions << a->text();
    return captions;
}

TEST_F(FilesTest, OpenReadsTheNetAppliesItsScaleAndRecomputesConnections)
{
    const QString path = Path("nets/a.b/sample.vgn");
    QDir().mkpath(Path("nets/a.b"));
    WriteSampleNet(path, 16);

    TNet *net = gn->OpenNet(path);
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->windowTitle(), Path("nets/a.b/sample.vgn"));
    EXPECT_EQ(net->FileName(), Path("nets/a.b/sample"));
    EXPECT_EQ(net->Net().Positions().size(), 2u);
    ASSERT_EQ(net->Net().Transitions().size(), 1u);
    EXPECT_EQ(Globals().xGrid, 16) << "the file's base unit becomes the grid step";
    EXPECT_EQ(net->Net().Positions()[0]->Left(), 4 * 16);
    EXPECT_EQ(net->Net().Positions()[0]->Width(), 4 * 16);
    EXPECT_EQ(net->Net().Transitions()[0]->InArcs.size(), 1u);
    EXPECT_EQ(net->Net().Transitions()[0]->OutArcs.size(), 1u);
    EXPECT_FALSE(gn->MessagePanel()->isVisible());
    // The counters come from the file: the next position is L3.
    EXPECT_EQ(net->PositionCounter().Next(), 3);
}

TEST_F(FilesTest, ReadingWarningsGoToTheMessagePanel)
{
    const QString path = Path("warned.vgn");
    WriteSampleNet(path);
    QByteArray bytes = ReadAll(path);
    // A property name of the same length that no class knows.
    const int at = bytes.indexOf("Priority");
    ASSERT_GE(at, 0);
    bytes.replace(at, 8, "Priorxty");
    WriteFile(path.toStdString(), bytes.toStdString());

    TNet *net = gn->OpenNet(path);
    EXPECT_EQ(net->Net().Positions().size(), 2u);
    ASSERT_EQ(gn->lbMessages()->count(), 1);
    EXPECT_EQ(gn->lbMessages()->item(0)->text().toStdString(),
        "Worning : " + PropertyErrorText("TPosition", "Priorxty"));
    EXPECT_TRUE(gn->MessagePanel()->isVisible());
    EXPECT_TRUE(Act("miMessages")->isChecked());
}

TEST_F(FilesTest, CorruptedFileKeepsWhatWasReadAfterTheErrorDialog)
{
    const QString path = Path("cut.vgn");
    WriteSampleNet(path);
    const QByteArray bytes = ReadAll(path);
    // Cut inside the third object record: the first two survive.
    const int cut = bytes.indexOf("TPosition", bytes.indexOf("TTransition")) + 4;
    WriteFile(path.toStdString(), bytes.left(cut).toStdString());

    QString shown;
    AnswerModal([&](QWidget *modal) {
        if (auto *error = qobject_cast<TErrorMessage *>(modal))
            shown = error->ErrorLine() + "|" + error->HintLine();
        modal->close();
    });
    TNet *net = gn->OpenNet(path);
    EXPECT_EQ(shown, "Corrupted file|");
    EXPECT_EQ(net->Net().Positions().size(), 1u);
    EXPECT_EQ(net->Net().Transitions().size(), 1u);
    EXPECT_EQ(gn->EditorMode(), mdEdit) << "the open completes";
}

// A FIFO once froze the editor, and /dev/zero or a huge file took every open net down with it:
// such files are refused unread and the other windows stay.
TEST_F(FilesTest, OpenRefusesWhatIsNotANetFileAndKeepsTheOtherNets)
{
    const QString kept = Path("kept.vgn");
    WriteSampleNet(kept);
    gn->OpenNet(kept);
    const QString fifo = Path("fifo.vgn");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString &path : { fifo, Path(""), QString("/dev/zero") }) {
        QString shown;
        AnswerModal([&](QWidget *modal) {
            shown = qobject_cast<QMessageBox *>(modal)->text();
            modal->close();
        });
        TNet *net = gn->OpenNet(path);
        EXPECT_TRUE(shown.startsWith(QString("Cannot open file \"%1\". ").arg(path)))
            << shown.toStdString();
        EXPECT_EQ(net->Net().Count(), 0u);
    }
    EXPECT_EQ(gn->NetWindows().size(), 4u);
    EXPECT_EQ(gn->NetWindows().front()->Net().Positions().size(), 2u);
}

// Dotted folders and names with two dots: the open and save tests.
TEST_F(FilesTest, FileNameDropsOnlyTheExtensionOfTheFileName)
{
    EXPECT_EQ(FileNameOf("/home/u/a.b/net"), "/home/u/a.b/net");
    EXPECT_EQ(FileNameOf("/home/u/a.b/.net"), "/home/u/a.b/.net");
}

// Saving into a hidden folder once put the XML description and the caption at the folder's dot.
TEST_F(FilesTest, SaveWritesTheDescriptionBesideTheNetEvenInDottedFolders)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    AddPosition(net->Net(), 40, 40, "L1");
    AddTransition(net->Net(), 120, 16, "Z1");
    QDir().mkpath(Path(".hidden/v1.0"));
    const QString path = Path(".hidden/v1.0/my.net.vgn");

    ASSERT_TRUE(gn->SaveNetAs(*net, path));
    EXPECT_EQ(net->windowTitle(), Path(".hidden/v1.0/my.net.vgn"));
    EXPECT_EQ(net->FileName(), Path(".hidden/v1.0/my.net"));
    const QByteArray xml = ReadAll(Path(".hidden/v1.0/my.net.xml"));
    EXPECT_TRUE(xml.contains("L1"));
    EXPECT_TRUE(xml.contains("Z1"));
    EXPECT_FALSE(QFile::exists(Path(".xml")));
    EXPECT_FALSE(QFile::exists(Path(".hidden/v1.xml")));
    EXPECT_EQ(gn->ReopenList(), QStringList { path });

    TTestNet back;
    ASSERT_TRUE(ReadNetFile(path.toStdString(), back.Net));
    EXPECT_EQ(back.Net.Positions().size(), 1u);
    EXPECT_EQ(back.Net.Transitions().size(), 1u);
}

// A save that failed half-way used to leave an emptied net file behind.
TEST_F(FilesTest, FailedSaveLeavesTheFilesAsTheyWere)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    AddPosition(net->Net(), 40, 40, "L1");
    const QString path = Path("kept.vgn");
    ASSERT_TRUE(gn->SaveNetAs(*net, path));
    const QByteArray netBefore = ReadAll(path);
    ASSERT_FALSE(netBefore.isEmpty());

    // The description cannot be written (a folder stands in its place): the net stays as it was.
    AddPosition(net->Net(), 120, 40, "L2");
    QFile::remove(Path("kept.xml"));
    QDir().mkpath(Path("kept.xml"));
    int failures = 0;
    AnswerModal([&](QWidget *modal) {
        failures += qobject_cast<QMessageBox *>(modal) != nullptr;
        modal->close();
    });
    EXPECT_FALSE(gn->SaveNetAs(*net, path));
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(ReadAll(path), netBefore);

    // The net file cannot be replaced (write-protected, a folder in its place): the description
    // was once put in place before the net failed, and the window took the new name.
    QDir(Path("kept.xml")).removeRecursively();
    ASSERT_TRUE(gn->SaveNetAs(*net, path));
    const QByteArray netSaved = ReadAll(path), xmlSaved = ReadAll(Path("kept.xml"));
    AddPosition(net->Net(), 200, 40, "L3");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QDir().mkpath(Path("other.vgn"));
    for (const QString &target : { path, Path("other.vgn") }) {
        AnswerModal([](QWidget *modal) { modal->close(); });
        EXPECT_FALSE(gn->SaveNetAs(*net, target));
        EXPECT_EQ(net->Caption(), path);
    }
    EXPECT_EQ(ReadAll(path), netSaved);
    EXPECT_EQ(ReadAll(Path("kept.xml")), xmlSaved);
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden),
        (QStringList { "kept.vgn", "kept.xml" }));
}

TEST_F(FilesTest, ReopenHistoryKeepsTheLatestFilesMostRecentFirst)
{
    for (int i = 1; i <= 4; ++i)
        gn->AddToReopen(QString("/n/net%1.vgn").arg(i));
    EXPECT_EQ(MenuCaptions(gn->ReopenMenu()),
        (QStringList { "&1 /n/net4.vgn", "&2 /n/net3.vgn", "&3 /n/net2.vgn", "&4 /n/net1.vgn" }));
    gn->AddToReopen(QString("/N/NET2.VGN")); // the same file, another spelling: moves to the top
    EXPECT_EQ(gn->ReopenList(),
        (QStringList { "/N/NET2.VGN", "/n/net4.vgn", "/n/net3.vgn", "/n/net1.vgn" }));
    gn->AddToReopen(QString("/n/net5.vgn"));
    gn->AddToReopen(QString("/n/net6.vgn"));
    EXPECT_EQ(gn->ReopenList().size(), Globals().HistoryDepth);
    EXPECT_EQ(gn->ReopenList().first(), "/n/net6.vgn");
    EXPECT_EQ(gn->ReopenList().last(), "/n/net3.vgn");
    EXPECT_EQ(MenuCaptions(gn->ReopenMenu()).last(), "&5 /n/net3.vgn");
}

TEST_F(FilesTest, OpenThroughTheDialogAddsToTheHistoryAndReopenDoesNot)
{
    const QString a = Path("a.vgn"), b = Path("b.vgn");
    WriteSampleNet(a);
    WriteSampleNet(b);
    gn->AddToReopen(b);
    AnswerModal([&](QWidget *modal) { Choose(modal, a); });
    Trigger("miOpen");
    EXPECT_EQ(gn->ActiveNet()->windowTitle(), a);
    EXPECT_EQ(gn->ReopenList(), (QStringList { a, b }));

    gn->ReopenMenu()->actions()[1]->trigger();
    EXPECT_EQ(gn->NetWindows().size(), 2u);
    EXPECT_EQ(gn->ActiveNet()->windowTitle(), b);
    EXPECT_EQ(gn->ReopenList(), (QStringList { a, b }));
}

// Save As of a new net once suggested the file of the net saved before it.
TEST_F(FilesTest, SaveSuggestsTheNetsFileOrForANewNetItsCaptionInTheLastFolder)
{
    const QString path = Path("named.vgn");
    WriteSampleNet(path);
    gn->OpenNet(path);
    QDir().mkpath(Path("sub"));
    QStringList proposed;
    auto saveAs = [&](const char *item, const QString &chosen) {
        AnswerModal([&, chosen](QWidget *modal) {
            proposed += qobject_cast<QFileDialog *>(modal)->selectedFiles().value(0);
            Choose(modal, chosen);
        });
        Trigger(item);
    };
    saveAs("miSave", Path("sub/copy.vgn"));
    EXPECT_TRUE(QFile::exists(Path("sub/copy.vgn")));
    EXPECT_TRUE(QFile::exists(Path("sub/copy.xml")));
    EXPECT_EQ(gn->ActiveNet()->windowTitle(), Path("sub/copy.vgn"));

    Trigger("miNew");
    saveAs("miSaveAs", Path("sub/new.vgn"));
    EXPECT_EQ(proposed, (QStringList { Path("named.vgn"), Path("sub/Noname2.vgn") }));
}

TEST_F(FilesTest, ImportOpensPnmlInAnUnnamedWindowWithItsReport)
{
    const QString path = QString(MORVANE_TEST_DATA) + "/pnml/ekkart_ePNK_mutex.pnml";
    TNet *net = gn->ImportNet(path);
    ASSERT_NE(net, nullptr);
    EXPECT_TRUE(net->FileName().isEmpty());
    // Not in any net file yet: modified.
    EXPECT_EQ(net->windowTitle(), "*ekkart_ePNK_mutex.vgn (imported from ekkart_ePNK_mutex.pnml)");
    EXPECT_EQ(net->Net().Positions().size(), 7u);
    EXPECT_FALSE(net->Net().CanUndo()) << "an import is no edit to undo";
    EXPECT_TRUE(gn->MessagePanel()->isVisible());
    EXPECT_EQ(gn->Messages().Count(), 2u);

    const auto windows = gn->NetWindows().size();
    QString shown;
    AnswerModal([&](QWidget *modal) {
        shown = qobject_cast<QMessageBox *>(modal)->text();
        modal->close();
    });
    EXPECT_EQ(gn->ImportNet(Path("missing.pnml")), nullptr);
    EXPECT_TRUE(shown.startsWith("Cannot import file")) << shown.toStdString();
    EXPECT_EQ(gn->NetWindows().size(), windows);
}

} // namespace
} // namespace morvane::test
