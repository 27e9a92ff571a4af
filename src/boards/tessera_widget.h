#pragma once
// One image tile of a board or of the clock: shows one picture, scaled into its rectangle.

#include <QImage>
#include <QString>
#include <QWidget>

namespace ardenvo {

// The folder "Numeri e Lettere" beside the program, with its trailing separator.
QString CartellaTessere();

class Tessera : public QWidget {
    Q_OBJECT

  public:
    explicit Tessera(QWidget* parent = nullptr);

    // Reads the file again at every call, so a picture replaced on disk shows at the next set.
    // A file that cannot be read leaves the tile's picture as it was; it is reported on
    // standard error once per file name. Returns whether the picture was read.
    bool impostaFile(const QString& percorso);
    // A picture the program draws itself; it has no file.
    void impostaImmagine(const QImage& immagine);

    // The file last set, whether or not it could be read; empty for a drawn picture.
    const QString& percorso() const { return percorso_; }
    const QImage& immagine() const { return immagine_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void mostra(const QImage& immagine);

    QImage immagine_;
    QImage scalata_;  // the picture at the tile's size in device pixels, made when painted
    QString percorso_;
};

}  // namespace ardenvo
