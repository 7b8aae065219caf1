// Showing a screen again that was hidden while another screen was up.
#pragma once

class QWidget;

// Shows the screen as a normal window in front, whatever was done to it while it was up:
// minimised by its own "-" or by the window manager, and restored from there.
void showAgain(QWidget* screen);
