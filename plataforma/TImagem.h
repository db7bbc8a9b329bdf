#pragma once
// A picture on a window, centred in its control, whose pixels can be read, and which
// tells where the mouse moves and is released over it in the picture's own pixels.
#include <QImage>
#include <QLabel>

#include <optional>

class TImagem : public QLabel {
    Q_OBJECT
public:
    explicit TImagem(QWidget* pai = nullptr);

    // Loads a picture file. A file that is not there or is not a picture raises
    // EInOutError "O arquivo <path> não pôde ser lido."; the picture on show stays.
    void carregaArquivo(const QString& caminho);
    void defineFigura(const QImage& figura);
    const QImage& figura() const { return figura_; }

    // The colour of picture pixel (X, Y); nothing outside the picture.
    std::optional<QRgb> Pixels(int X, int Y) const;

signals:
    void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    QImage figura_;
};
