#pragma once
// The message box, as a seam: the real one in the main window's services, a double in tests.

class QString;
class QWidget;

namespace ardenvo {

class Messaggi {
  public:
    virtual ~Messaggi() = default;
    // A message with only an OK button and no icon; returns when the operator has read it.
    virtual void Informa(QWidget* finestra, const QString& testo) = 0;
};

}  // namespace ardenvo
