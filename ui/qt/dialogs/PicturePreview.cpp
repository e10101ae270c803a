#include "ui/qt/dialogs/PicturePreview.h"

#include <malloc.h>

#include <QFileInfo>
#include <QPainter>
#include <exception>

#include "core/images/ImageFiles.h"
#include "core/support/InputStreams.h"
#include "gif/GIFImage.h"
#include "rendering/Canvas.h"
#include "ui/model/language/Language.h"
#include "ui/qt/widgets/GuiTaskQueue.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 200;
constexpr int kMargin = 4;

}  // namespace

PicturePreview::PicturePreview(QWidget* parent)
    : QWidget(parent), executor_(std::make_shared<GuiTaskQueue>(this)) {
  setObjectName("PicturePreview");
  setMinimumSize(kPreviewWidth, kPreviewHeight);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

PicturePreview::~PicturePreview() = default;

QSize PicturePreview::sizeHint() const { return QSize(kPreviewWidth, kPreviewHeight); }

void PicturePreview::Clear() {
  const bool held = animation_ != nullptr || !still_.isNull();
  animation_.reset();  // stops the painter and waits for its thread
  still_ = QImage();
  pictureSize_ = QSize();
  note_.clear();
  // A played animation is many small pieces of memory, which the heap keeps
  // for later use unless it is told to give them back.
  if (held) ::malloc_trim(0);
  update();
}

void PicturePreview::ShowFile(const QString& path) {
  Clear();
  const QFileInfo info(path);
  // Only a regular file with something in it may hold a picture; an empty one
  // may be a file of the system (/proc/kmsg) whose reading never ends.
  if (!info.isFile() || info.size() == 0) return;
  if (PictureKindForReading(path.toStdString()) == PictureKind::Gif && LoadAnimation(path)) return;
  LoadStill(path);
}

bool PicturePreview::LoadAnimation(const QString& path) {
  auto image = std::make_unique<TGIFImage>();
  const QString tooLarge = ToQt(Lang(LangMessages[lmAnimationTooLarge]));
  try {
    // Opened as the picture readers open a file: a regular file only, should
    // the name have been given to a pipe since it was listed.
    FileInputStream file;
    if (file.Open(path.toStdString()) != ReadStatus::Ok) return false;
    image->LoadFromStream(file, TGIFLoadLimits{.pixels = kMaxAnimationPixels, .memory = kMaxAnimationMemory});
  } catch (const EGIFTooLarge&) {
    note_ = tooLarge;
    return false;
  } catch (const std::exception&) {
    return false;
  }
  if (image->Images().Count() < 2 || image->Width() <= 0 || image->Height() <= 0) return false;
  if (std::int64_t{image->Width()} * image->Height() > kMaxAnimationScreen) {
    note_ = tooLarge;
    return false;
  }
  image->Executor = executor_;
  image->OnChange = [this] { update(); };
  pictureSize_ = QSize(image->Width(), image->Height());
  animation_ = std::move(image);
  update();
  return true;
}

bool PicturePreview::LoadStill(const QString& path) {
  Bitmap picture;
  std::string errorText;
  if (!LoadPictureInto(path.toStdString(), &picture, errorText) || picture.Empty()) return false;
  still_ = ToQImage(picture);
  pictureSize_ = still_.size();
  update();
  return true;
}

QRect PicturePreview::PictureRect() const {
  if (pictureSize_.isEmpty()) return QRect();
  const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin - TextHeight());
  QSize size = pictureSize_;
  if (size.width() > area.width() || size.height() > area.height()) size.scale(area.size(), Qt::KeepAspectRatio);
  size = size.expandedTo(QSize(1, 1));
  return QRect(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
               size.width(), size.height());
}

int PicturePreview::TextHeight() const {
  const int line = fontMetrics().height();
  if (note_.isEmpty()) return line;
  return line + fontMetrics().boundingRect(QRect(0, 0, width(), 0), Qt::TextWordWrap, note_).height();
}

QImage PicturePreview::AnimationFrame(const QRect& target) {
  // The painter's frames are composed over what the preview shows behind them.
  Bitmap frame(target.width(), target.height());
  frame.Fill(FromQColor(palette().color(backgroundRole())));
  TCanvas canvas(frame);
  animation_->Draw(canvas, TRect{0, 0, target.width(), target.height()});
  return ToQImage(frame);
}

void PicturePreview::paintEvent(QPaintEvent*) {
  const QRect target = PictureRect();
  if (target.isEmpty()) return;
  QImage picture = still_;
  if (animation_) {
    try {
      picture = AnimationFrame(target);
    } catch (const std::exception&) {
      // A GIF that cannot be drawn shows nothing.
      animation_.reset();
      pictureSize_ = QSize();
      return;
    }
  }
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, picture);
  const QString size = QString("%1 x %2").arg(pictureSize_.width()).arg(pictureSize_.height());
  p.setPen(palette().color(QPalette::Text));
  const int line = fontMetrics().height();
  const int top = target.bottom() + 1 + kMargin;
  p.drawText(QRect(0, top, width(), line), Qt::AlignHCenter, size);
  if (!note_.isEmpty()) p.drawText(QRect(0, top + line, width(), TextHeight() - line), Qt::AlignHCenter | Qt::TextWordWrap, note_);
}

}  // namespace kestrova::qt
