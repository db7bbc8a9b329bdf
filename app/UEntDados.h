#pragma once
#include <QPointer>
#include <QWidget>

// The data-entry window: the terrace's values and, on its second page, the results.
class TFEntdados : public QWidget {
    Q_OBJECT
public:
    explicit TFEntdados(QWidget* dono = nullptr);
};

inline QPointer<TFEntdados> FEntdados;
