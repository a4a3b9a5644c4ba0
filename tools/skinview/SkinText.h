// How skinview has every kind of control it shows skinned, and keeps the
// texts it draws on the skin's face readable.
//
// The engine's own rules take push buttons, track bars, up-down controls,
// page controls, tab sets, lists and trees. Check boxes, radio buttons,
// progress bars, group boxes, panels, edits and combo boxes of a form come
// only through Skin3rd lines; scroll bar controls and status bars have no
// Skin3rd kind and come through OnSkinControl.
//
// The engine gives containers the skin's face colour but leaves captions to
// their controls: labels, group box captions and the captions beside check
// boxes and radio buttons keep their own font colour. skinview gives them
// the skin's button text colour, the colour the skin pairs with its face.
#pragma once

#include "toolkit/Graphics.h"

namespace tk {
class Component;
}

namespace skin {
class TSkinData;
}

namespace skinview {

// Adds the Skin3rd lines and sets the OnSkinControl handler that skin every
// kind skinview shows.
void SkinEveryKind(skin::TSkinData& skin);

// The colour captions on the face take: the skin's button text colour while
// a skin is shown, the system's window text colour otherwise.
base::Colour CaptionColour(const skin::TSkinData& skin);

// Gives the captions drawn on the face among the container's components
// (labels, group boxes, check boxes, radio buttons) the caption colour; the
// texts of the white input boxes (edits, combo boxes, lists, trees) keep the
// system's window text colour.
void FollowSkinText(tk::Component& container, const skin::TSkinData& skin);

} // namespace skinview
