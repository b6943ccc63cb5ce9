#pragma once

class QWidget;

// The row with the "Close" button of a reference window. The button closes
// `window` and is never the default one, so Enter typed into a field leaves
// the window open.
[[nodiscard]] QWidget* CloseButtons(QWidget* window);
