// SPDX-License-Identifier: MIT
#pragma once

#include "core/format/net_test_support.h"
#include "dialogs/options_dialog.h"
#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "editor/save_guard.h"
#include "session/recovery.h"
#include "settings/registry_store.h"
#include "support/test_files.h"

#include "format/net_writer.h"
#include "options/display_globals.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace morvane::test {

// The whole program started as at start-up (without the splash), its registry in a folder of the
// test, torn down after each test.
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(m_dir.isValid());
        TRegistry::SetStoreFolder(Path("config").toStdString());
        // Recovery copies go to the test's own data folder.
        qputenv("XDG_DATA_HOME", Path("data").toUtf8());
        // A question no test expects fails the test instead of waiting for an answer.
        SetAskHook([](const QString &text, QMessageBox::StandardButtons) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return QMessageBox::Cancel;
        });
        SetRecoveryHook([](const std::vector<TRecoveryEntry> &) {
            ADD_FAILURE() << "unexpected offer of recovery copies";
            return TRecoveryChoice {};
        });
        BeforeStartUp();
        StartUp(false);
        gn = Program().GN;
        gn->resize(900, 700);
        gn->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        ShutDown();
        SetAskHook({});
        SetRecoveryHook({});
        TRegistry::SetStoreFolder({});
        ResetGlobals();
    }
    // Runs before the program starts (a test fills the registry here).
    virtual void BeforeStartUp() { }
    // The program ends without closing its nets (as if killed) and starts again.
    void Restart()
    {
        ShutDown();
        StartUp(false);
        gn = Program().GN;
        gn->show();
    }

    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QAction *Act(const char *name) const { return gn->Action(name); }
    void Trigger(const char *name) const
    {
        QAction *a = Act(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    // Closing a modified net asks no question: the net is dropped.
    static void DropUnsavedNets() { Program().Options->cbSaveConf->setChecked(false); }
    void Settle() const
    {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // A new net window with a client area of 600 x 400 pixels.
    TNet *NewSizedNet()
    {
        Trigger("miNew");
        TNet *net = gn->ActiveNet();
        QWidget *sub = net->parentWidget();
        sub->showNormal();
        sub->resize(sub->width() + 600 - net->viewport()->width(),
            sub->height() + 400 - net->viewport()->height());
        Settle();
        return net;
    }

    // Answers the next modal window that appears with `answer`, which must close it.
    static void AnswerModal(std::function<void(QWidget *)> answer)
    {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, answer] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                answer(modal);
            }
        });
        timer->start();
    }

    // Chooses the path in a file dialog and accepts it.
    static void Choose(QWidget *modal, const QString &path)
    {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        // The dialog leaves the file name alone while the user types in it.
        if (QWidget *typing = dialog->focusWidget())
            typing->clearFocus();
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    }

    // A net file of two positions and a transition, the arcs L1 -> Z1 -> L2 drawn; laid out at
    // the normal scale and saved at `baseUnit`.
    static void WriteSampleNet(const QString &path, std::int32_t baseUnit = 8)
    {
        TTestNet t;
        AddPosition(t.Net, 32, 80, "L1");
        AddTransition(t.Net, 128, 48, "Z1");
        AddPosition(t.Net, 224, 80, "L2");
        AddArc(t.Net, 64, 96, 144, 96)->Arrowed = true;
        AddArc(t.Net, 144, 96, 224, 96)->Arrowed = true;
        t.Positions.Value = 2;
        t.Transitions.Value = 1;
        t.Net.SetxBaseUnit(baseUnit);
        t.Net.SetyBaseUnit(baseUnit);
        ASSERT_TRUE(SaveNetFile(path.toStdString(), t.Net));
    }

    // The sample net, written as "sample.vgn" into the test's folder and opened.
    TNet *OpenSampleNet()
    {
        WriteSampleNet(Path("sample.vgn"));
        return gn->OpenNet(Path("sample.vgn"));
    }

    static QByteArray ReadAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TGN *gn = nullptr;

private:
    QTemporaryDir m_dir;
};

} // namespace morvane::test
