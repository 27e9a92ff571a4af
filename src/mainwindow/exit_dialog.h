#pragma once
// "Esci" asks before the main window closes.

#include <QDialog>

class QKeyEvent;

namespace ardenvo {

// Accepted on "SI", rejected on "NO" or when closed through its frame.
class Form5 : public QDialog {
    Q_OBJECT

  public:
    explicit Form5(QWidget* parent = nullptr);

    void Command1_Click();  // "SI"
    void Command2_Click();  // "NO"

  protected:
    // Escape answers nothing: only the two buttons and the frame close the question.
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace ardenvo
