#include "ui/qt/window/PopupMenus.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <exception>
#include <memory>

#include "gif/GIFImage.h"
#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/window/MimeDataClipboard.h"

namespace kestrova::qt {

namespace {

constexpr const char* kImageMenu = "PopupMenuImg";
constexpr const char* kButtonMenu = "BtnOnPopup";

QMenu* BuildMenu(QWidget* parent, const char* name, std::initializer_list<TButton*> items) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(name);
  for (TButton* item : items) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(ToQt(item->Name()));
    new ActionView(*item, action);
  }
  return menu;
}

}  // namespace

void CopyToClipboard(const Bitmap& bitmap, const ImageWriteOptions& gifOptions) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (bitmap.Empty() || clipboard == nullptr) return;
  auto data = std::make_unique<QMimeData>();
  try {
    TGIFImage gif;
    AssignGif(gif, bitmap, gifOptions);
    MimeDataClipboard onData(*data);
    gif.SaveToClipboardFormat(onData);
  } catch (const std::exception&) {
    // A picture that makes no GIF (too many colours without reduction) goes as the image alone.
  }
  // The image itself, not the GIF's reduced colours.
  data->setImageData(ToQImage(bitmap));
  clipboard->setMimeData(data.release());
}

PopupMenus::PopupMenus(TForm1& form, QWidget* window)
    : QObject(window),
      form_(form),
      imageMenu_(BuildMenu(window, kImageMenu, {&form.OpenImgPop, &form.SaveImgPop, &form.Copytoclipboard1})),
      buttonMenu_(BuildMenu(window, kButtonMenu, {&form.Copytoclipboard2})) {
  form_.Copytoclipboard1.SetOnClick(
      [this] { CopyToClipboard(form_.ImageBase.Picture(), form_.WriteOptions()); });
  form_.Copytoclipboard2.SetOnClick([this] { CopyPreview(); });
}

void PopupMenus::AttachImageMenu(QWidget* widget) { widget->installEventFilter(this); }

bool PopupMenus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  PopupOnBaseImage(static_cast<QContextMenuEvent*>(event)->globalPos());
  return true;
}

void PopupMenus::PopupOnBaseImage(const QPoint& globalPos) { imageMenu_->popup(globalPos); }

void PopupMenus::PopupOnPreview(const TImage& preview, const QPoint& globalPos) {
  if (preview.PopupMenu() != kButtonMenu) return;
  previewName_ = preview.Name();
  buttonMenu_->popup(globalPos);
}

void PopupMenus::CopyPreview() {
  if (previewName_.empty()) return;
  if (const TImage* preview = form_.ScrollBox2.FindImage(previewName_))
    CopyToClipboard(preview->Picture(), form_.WriteOptions());
}

}  // namespace kestrova::qt
