// TItemMessagesAhead: while a drop-down of the menu bar is open, the measure
// and draw messages of the frame's own items reach the frame's painters
// straight from the window's procedure (TReplacedProcedure), ahead of the
// subclass chain the frame's procedure sits in: under Wine each message
// through that chain reads window properties from the server, and every
// item of a drop-down sends two messages at each opening. The painters and
// what they are given are the frame's own (TWinSkinForm::MeasureOwnItem,
// DrawOwnItem); every other message, and an item they do not take, goes on
// down the chain as before.
//
// Error policy: what the painters throw sends the message down the chain.
#pragma once

#include "skin/WinSkinMenu/ReplacedProcedure.h"

#include <windows.h>

namespace skin {

class TWinSkinForm;

class TItemMessagesAhead {
public:
    explicit TItemMessagesAhead(TWinSkinForm& frame);
    TItemMessagesAhead(const TItemMessagesAhead&) = delete;
    TItemMessagesAhead& operator=(const TItemMessagesAhead&) = delete;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    TWinSkinForm& frame_;
    TReplacedProcedure procedure_;
};

} // namespace skin
