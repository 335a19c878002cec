#pragma once
// Captions that do not fit their control at the font in use show their whole text as the
// control's tooltip. Measured from the text the control shows, so a translated caption is
// measured as shown.

class QWidget;

namespace tf {

class FormWindow;

// Whether the caption that a label, button or check box shows fits inside it at its font.
bool captionFits(const QWidget* control);

// Keeps the tooltips of the window's captions up to date: measured when the window is shown
// and again when its font or language changes.
void watchCaptionFit(FormWindow& f);

// Measures every caption of the window now.
void fitCaptionTips(FormWindow& f);

}  // namespace tf
