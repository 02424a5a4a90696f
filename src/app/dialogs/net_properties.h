// SPDX-License-Identifier: MIT
#pragma once

#include "property_form.h"

#include "common/color.h"

#include <cstddef>
#include <memory>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QToolButton;

namespace morvane {

class TColorSample;
class TDrawingObject;
class TDrawingObjects;
class TTransition;
class TEditInt;

// The net properties dialog: the net's name and times, and bulk changes to its transitions and
// positions (running labels, priorities, capacities, descriptions, colours, type texts). Each
// Apply or Clear is one undo step of the net and stays when the dialog is cancelled.
class TNetProperties : public TPropertyForm
{
    Q_OBJECT
public:
    explicit TNetProperties(QWidget *parent = nullptr);

    // Shows the dialog modally for the net; true when it was closed with OK.
    bool Execute(TDrawingObjects &net);
    void LoadFromNet();
    // Writes the name and times; ErrorText is "NoError" when everything was accepted.
    void StoreToNet();
    // Order: false along the rows, true down the columns.
    void LabelTransitions(const QString &label, const QString &index, bool all, bool order);
    void LabelPositions(
        const QString &label, const QString &index, bool all, bool plain, bool order);

    TDrawingObjects *Net = nullptr;
    bool pHorizontal = false;
    bool tHorizontal = false;

    // Handlers, as wired to the controls.
    void bbOkClick();
    void Fill();
    void btClearClick();
    void bpAllClick();
    void bpClearClick();
    void rgTypeClick();
    void sColorMouseUp(Qt::MouseButton button);
    // The predicates group: the list follows the selected transitions (all when none is); a
    // picked predicate shows its name and definition and the characteristic function of its
    // output position. The speed buttons write those to, or clear them from, every picked
    // predicate, one undo step each.
    void FillPredicateList();
    void lbPredicatesClick();
    void sbPredicateApplyClick();
    void sbPredicateClearClick();

    TColorSample *ColorSample() const { return sColor; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildTimeGroup(QBoxLayout *into);
    void BuildTransitionGroup(QBoxLayout *into);
    void BuildPositionGroup(QBoxLayout *into);
    void BuildPredicateGroup(QBoxLayout *into);
    // An "inf" button that fills its edit and checks its box; a right release toggles it.
    QPushButton *InfinityButton(const char *name, QLineEdit *edit, QCheckBox *box);
    QToolButton *InsertNumberButton(const char *name, int imageIndex);
    struct TLabelGroup
    {
        QGroupBox *Group;
        QSpinBox *StartAt;
        QLineEdit *Label, *Index;
        QToolButton *InsertNumber;
        QCheckBox *Box;
    };
    TLabelGroup LabelGroup(const QString &kind, const QString &initial, int imageIndex);
    struct TApplyGroup
    {
        QGroupBox *Group;
        QPushButton *Apply, *Clear;
        QRadioButton *All, *Selected;
    };
    TApplyGroup ApplyGroup(
        const QString &kind, const char *apply, const char *clear, const char *selected);
    void MoveNumberMark(QLineEdit *index, QCheckBox *labelBox, QLineEdit *label);
    static void ToggleImage(QToolButton *button);
    static void CheckLabelBox(QCheckBox *box, QLineEdit *label, QLineEdit *index);
    // The net window shows what changed.
    void RefreshNet();
    struct TPredicateEntry
    {
        std::weak_ptr<TDrawingObject> Transition;
        std::size_t Row, Column;
    };
    // The picked entries whose transitions still have the cell, each with its transition.
    std::vector<std::pair<TTransition *, TPredicateEntry>> PickedPredicates() const;
    void ShowPredicateTexts();

    QLineEdit *eNetName;
    TEditInt *eStart, *eTimeStep, *eDuration, *eiLoopAt;
    QCheckBox *cbLoopAt;

    QButtonGroup *rgType;
    QLineEdit *etTruthValues, *etActivationMoment, *etActivationDuration, *eNotes, *etPriority;
    QPushButton *btInfinity;
    QCheckBox *cbtPriority, *cbTruthValues, *cbActivationMoment, *cbActivationDuration, *cbtLabel,
        *cbtDescription, *cbType, *cbtColor, *cbtFillColor, *cbtActive;
    QSpinBox *setAutoBegin;
    QLineEdit *mtLabel, *mtIndex;
    QToolButton *tbtInsertNumber;
    QPushButton *btAll, *btClear;
    QRadioButton *rbtAll, *rbtSelected;

    TColorSample *sColor;
    QLineEdit *epNotes, *epPriority, *epCapacity;
    QPushButton *bppInfinity, *bpcInfinity;
    QCheckBox *cbpDescription, *cbpPriority, *cbCapacity, *cbpLabel, *cbpColor, *cbpFillColor,
        *cbpActive;
    QSpinBox *sepAutoBegin;
    QLineEdit *mpLabel, *mpIndex;
    QToolButton *tbpInsertNumber;
    QPushButton *bpAll, *bpClear;
    QRadioButton *rbpAll, *rbpSelected;

    QListWidget *lbPredicates;
    QLineEdit *eprName, *ecfName;
    QPlainTextEdit *mPredicateDef, *mcfDescription;
    std::vector<TPredicateEntry> m_predicates;

    QPushButton *bbOk;
    QStatusBar *StatusBar;
};

} // namespace morvane
