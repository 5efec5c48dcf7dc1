#pragma once

// The process' environment made fit for the task before the application object is built, which reads it.
//
// The program's windows use the display the environment names; without one they run offscreen, and the
// caller says there is no screen. An output of the command line is drawn offscreen whatever display,
// platform, theme or style the environment names: nothing is shown, so nothing of the desktop may stop
// the drawing, change it or speak on standard error.
//
// Qt wants a runtime folder (an absolute path to a folder of this user's that only they may use) and
// says on standard error when it has none, making a relative one in the current folder. Without one
// named, or with a relative one, the folder Qt would fall back to is named instead; for an output, also
// in place of one Qt would not take. Where even that one is not fit (another user's), a folder of this
// run's own is made, removed as the program ends.

// True when the windows would have no display (they then run offscreen).
bool PreparaAmbiente(bool finestre);
