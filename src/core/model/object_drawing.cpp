// SPDX-License-Identifier: MIT
// How objects paint themselves on their document's canvas.
#include "model/canvas.h"
#include "model/drawing_object.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

namespace morvane {

void TDrawingObject::DrawHandles() {}
void TDrawingObject::SetColor() {}
void TDrawingObject::Draw() {}
void TDrawingObject::DrawLabel() {}
void TDrawingObject::Erase() {}
void TPosition::SetColor() {}
void TPosition::DrawSymbolOutline() {}
void TPosition::DrawFilledSymbol() {}
void TTransition::DrawHandles() {}
void TTransition::SetColor() {}
void TTransition::DrawLabel() {}
void TTransition::DrawSymbolOutline() {}
void TTransition::DrawFilledSymbol() {}
void TArc::DrawHandles() {}
void TArc::SetColor() {}
void TArc::DrawSymbolOutline() {}
void TArc::DrawFilledSymbol() {}
void TArc::DrawArrowHead(bool) {}

} // namespace morvane
