// SPDX-License-Identifier: MIT
#include "recovery_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morvane {

TRecoveryDialog::TRecoveryDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("RecoveryDialog");
    setWindowTitle("Recover Nets");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("These nets were not saved when Morvane last ended:"));
    m_list = new QTreeWidget;
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({ "Net", "Saved", "Size" });
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox;
    QPushButton *restore = buttons->addButton("&Restore", QDialogButtonBox::AcceptRole);
    QPushButton *discard = buttons->addButton("&Discard", QDialogButtonBox::DestructiveRole);
    buttons->addButton(QDialogButtonBox::Close);
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, [this] {
        m_action = TRecoveryChoice::Restore;
        accept();
    });
    connect(discard, &QPushButton::clicked, this, [this] {
        m_action = TRecoveryChoice::Discard;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 260);
}

void TRecoveryDialog::SetEntries(const std::vector<TRecoveryEntry> &entries)
{
    m_action = TRecoveryChoice::Keep;
    m_list->clear();
    const QLocale locale;
    for (const TRecoveryEntry &entry : entries) {
        const QString name = entry.Info.Path.isEmpty() ? entry.Info.Caption : entry.Info.Path;
        auto *item = new QTreeWidgetItem(m_list,
            { name, locale.toString(entry.Info.Time.toLocalTime(), QLocale::ShortFormat),
                locale.formattedDataSize(entry.Size) });
        item->setCheckState(0, Qt::Checked);
    }
    m_list->resizeColumnToContents(1);
    m_list->resizeColumnToContents(2);
}

TRecoveryChoice TRecoveryDialog::Choice() const
{
    TRecoveryChoice choice { m_action, {} };
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            choice.Chosen.push_back(std::size_t(i));
    return choice;
}

TRecoveryChoice TRecoveryDialog::Choose(const std::vector<TRecoveryEntry> &entries)
{
    SetEntries(entries);
    exec();
    return Choice();
}

} // namespace morvane
