// A course bought, a job held or an environment not learned is a disabled control; it shows so
// by its text fading halfway into its background, whatever colours the scheme gives it.
#pragma once

class QWidget;

void fadeWhenDisabled(QWidget* control);
