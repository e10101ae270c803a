#pragma once
// The picture preview beside the file list of the open-picture dialog: the
// selected file's picture, shrunk to fit when it is larger than the preview
// (never enlarged), centred, with its size in pixels below. A GIF of several
// frames plays: its painter runs on a thread of its own and hands each frame
// to the GUI thread (GuiTaskQueue), where all drawing happens. A new
// selection, Clear and the preview's end stop the painter and wait for its
// thread before the image goes.
//
// Playing holds every frame decoded, so an animation plays only while its
// frames hold at most kMaxAnimationPixels in all, its screen at most
// kMaxAnimationScreen, and its frames and their blocks take at most
// kMaxAnimationMemory beside their pixels (some 12,000 frames, each with
// what drawing it builds): about 180 MiB at most while it plays. A larger
// one is refused before the frames past the limits are decoded, and the
// preview shows its first frame with a note saying so. What the preview held
// goes back to the system when it is cleared (the dialog closing clears it).

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace kestrova {
class TGIFImage;
}

namespace kestrova::qt {

class GuiTaskQueue;

class PicturePreview : public QWidget {
 public:
  static constexpr std::int64_t kMaxAnimationPixels = std::int64_t{1} << 24;
  static constexpr std::int64_t kMaxAnimationScreen = std::int64_t{1} << 22;
  static constexpr std::int64_t kMaxAnimationMemory = std::int64_t{32} << 20;

  explicit PicturePreview(QWidget* parent = nullptr);
  ~PicturePreview() override;

  // Shows the picture of the file; a folder, a special or empty file and a file
  // that cannot be read show nothing (the first three are never opened).
  void ShowFile(const QString& path);
  void Clear();
  // True while a GIF of several frames is shown.
  bool Animated() const { return animation_ != nullptr; }
  // The size of the picture shown, in its own pixels (empty when none).
  QSize PictureSize() const { return pictureSize_; }
  // The note below the size (an animation too large to play); empty when none.
  QString Note() const { return note_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool LoadAnimation(const QString& path);
  bool LoadStill(const QString& path);
  // Where the picture goes: its own size, shrunk to fit, centred above the texts.
  QRect PictureRect() const;
  // The height the size line and the note take below the picture.
  int TextHeight() const;
  QImage AnimationFrame(const QRect& target);

  // The queue outlives the image: the image's destructor stops the painters first.
  std::shared_ptr<GuiTaskQueue> executor_;
  std::unique_ptr<TGIFImage> animation_;
  QImage still_;
  QSize pictureSize_;
  QString note_;
};

}  // namespace kestrova::qt
