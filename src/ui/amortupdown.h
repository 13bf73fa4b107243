// A pair of arrow buttons that steps a whole number within a range and
// shows it in an associated read-only edit (the training days of the
// payback dialog).
//
// A click on an arrow (or the Up/Down key in the associated edit) first
// asks the changing handler with the position it would move to, which may
// lie one step outside the range at either end; the handler may refuse the
// step. Then the position moves, kept within the range (no wrap).
// SetPosition from code never calls the handler.
#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

class tAmortUpDown : public QWidget {
 public:
  // newPosition: the position the step would reach; direction +1 up, -1 down.
  // Clear allowChange to refuse the step.
  using tChangingEx = std::function<void(int newPosition, int direction, bool& allowChange)>;

  explicit tAmortUpDown(QWidget* parent = nullptr);

  void SetRange(int minimum, int maximum);
  int Minimum() const { return fMin; }
  int Maximum() const { return fMax; }

  int Position() const { return fPosition; }
  // Kept within the range; the associated edit follows.
  void SetPosition(int position);

  // The edit that shows the position (not owned); its Up/Down keys step.
  void SetAssociate(QLineEdit* edit);
  QLineEdit* Associate() const { return fAssociate; }

  void SetOnChangingEx(tChangingEx handler) { fOnChangingEx = std::move(handler); }

  // What a click on the up (+1) or down (-1) arrow does.
  void Step(int direction);

  QToolButton* UpButton() const { return fUp; }
  QToolButton* DownButton() const { return fDown; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowPosition();

  int fMin = 0;
  int fMax = 100;
  int fPosition = 0;
  QLineEdit* fAssociate = nullptr;
  QToolButton* fUp = nullptr;
  QToolButton* fDown = nullptr;
  tChangingEx fOnChangingEx;
};
