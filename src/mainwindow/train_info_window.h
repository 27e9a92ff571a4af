#pragma once
// "i" beside a departure: the train's following stops, service note and notes.

#include <QWidget>

#include "core/model.h"

namespace ardenvo {

// Top-level and modeless, without an owner: it stays open beside the main window and outlives
// it. It shows a copy of the train taken when it opened and is destroyed when closed.
class Form4 : public QWidget {
    Q_OBJECT

  public:
    explicit Form4(const Treno& partenza);

    // Fills caption, stops, service note and notes from `partenza`.
    void Form_Load(const Treno& partenza);
};

}  // namespace ardenvo
