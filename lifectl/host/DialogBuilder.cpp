#include "DialogBuilder.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {
int X(int du) { return du * 6 / 4; }
int Y(int du) { return du * 13 / 8; }
}

QImage ToImage(const Raster& raster)
{
    QImage image(raster.Bytes(), raster.Width(), raster.Height(), raster.Width() * 3, QImage::Format_RGB888);
    return image.copy();
}

QSize DialogSize(const DialogTemplate& dialog)
{
    return QSize(X(dialog.cx), Y(dialog.cy));
}

void BuildDialogItems(QWidget& widget, const DialogTemplate& dialog, QDialog* closer)
{
    for (const DialogItem& item : dialog.items) {
        const QRect box(X(item.x), Y(item.y), X(item.cx), Y(item.cy));
        if (item.kind == DialogItemKind::Icon) {
            auto* icon = new QLabel(&widget);
            icon->setPixmap(QPixmap::fromImage(ToImage(item.image)));
            icon->setGeometry(QRect(box.topLeft(), QSize(item.image.Width(), item.image.Height())));
        } else if (item.kind == DialogItemKind::Static) {
            auto* text = new QLabel(QString::fromStdString(item.text), &widget);
            text->setWordWrap(true);
            text->setGeometry(box.adjusted(0, 0, 0, Y(8)));
        } else {
            auto* button = new QPushButton(QString::fromStdString(item.text), &widget);
            button->setGeometry(box);
            button->setDefault(true);
            if (closer != nullptr) {
                const int id = item.id;
                QObject::connect(button, &QPushButton::clicked, closer, [closer, id] { closer->done(id); });
            }
        }
    }
}
