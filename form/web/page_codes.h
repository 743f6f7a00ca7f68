#pragma once

// The page's events, as the page numbers them: its module of codes is made
// from this file when the site is built (web/page_codes.py), so the page
// cannot number them otherwise. Text and tick marks the user changed arrive
// as events too, so that they wait their turn like clicks. A key on a control
// that takes clicks becomes the click it stands for; Announce, for no
// control, asks for the read-out that waited its turn.
enum class PageEvent { Click, MouseUp, KeyUp, MouseMove, Text, Check, Tick, Key, Announce };
