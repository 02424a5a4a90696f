// SPDX-License-Identifier: MIT
#include "model/clipboard.h"

#include "model/placing.h"

namespace morvane {

void CutSelection(TDrawingObjects &net, TDrawingObjects &clip)
{
    net.BeginStep();
    clip.Clear();
    net.SetModeOfAll(omEdited, mcDeselect);
    net.CopySelected(&clip);
    net.DeleteSelected();
}

void CopySelection(TDrawingObjects &net, TDrawingObjects &clip)
{
    clip.Clear();
    net.SetModeOfAll(omEdited, mcSelect);
    net.CopySelected(&clip);
}

void PasteClip(TDrawingObjects &net, TDrawingObjects &clip, std::int32_t dx, std::int32_t dy)
{
    net.BeginStep();
    net.SetModeOfAll(mfAll, mcDeselect);
    net.BeginStep();
    for (const auto &obj : clip.Objects()) {
        if (obj->Kind() == okPosition)
            obj->SetselfLabel(NextPositionLabel(net));
        else if (obj->Kind() == okTransition)
            obj->SetselfLabel(NextTransitionLabel(net));
    }
    clip.SetCanvas(net.GetCanvas());
    clip.SetModeOfAll(mfAll, mcDrag);
    clip.MoveDragged(dx, dy);
    clip.SetModeOfAll(mfAll, mcSelect);
    clip.CopySelected(&net);
    net.SetModeOfAll(omSelected, ukCreated);
    // The pasted pieces join whatever they now touch.
    net.RebuildConnections();
}

} // namespace morvane
