// Between the editor and the portrait browser: the editor's face button opens the browser, and a
// face chosen there becomes the editor's portrait and CurFace ("change" stores it as FaceNo).
#pragma once

namespace tavlor {

struct FaceChoice;
struct ProgramContext;
class Form1;
class Form_CGBR;

// Shows the browser over the editor, creating it when there is none (a new one starts at the
// first category; an existing one keeps its category and page).
Form_CGBR* ShowPortraitBrowser(ProgramContext& context, Form1& form1);
// The editor's browser, made hidden when there is none; its thumbnails wait for its first show.
Form_CGBR& EnsurePortraitBrowser(ProgramContext& context, Form1& form1);

// The chosen face drawn large in CG_PIC, kept as CurFace, and the editor given the focus.
void TakeChosenFace(ProgramContext& context, Form1& form1, const FaceChoice& choice);

// Connects the editor's face button (Pic_CG) to the browser, and has every language switch
// prepare the browser when there is none.
void ConnectPortraitBrowser(ProgramContext& context, Form1& form1);

}  // namespace tavlor
