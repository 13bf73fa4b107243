#include "commandlist.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "layouterrors.h"

TCommandList::~TCommandList() = default;

bool TCommandList::SetHeaderText1(std::string_view text) { return AssignText(fHeaderText1, text); }
bool TCommandList::SetHeaderText2(std::string_view text) { return AssignText(fHeaderText2, text); }

void TCommandList::Store(tObjStream& stream) const {
  tBasicCollection::Store(stream);
  stream.WriteByte(HeaderFlag);
  stream.WriteStr(StoredText(fHeaderText1));
  stream.WriteStr(StoredText(fHeaderText2));
  stream.WriteInt16(HeaderValue);
  stream.WriteByte(HeaderOption);
}

void TCommandList::Load(tObjStream& stream) {
  tBasicCollection::Load(stream);
  // Items that are no commands failed the load; none stays behind.
  std::erase(fItems, nullptr);
  HeaderFlag = stream.ReadByte(HeaderFlag);
  LoadText(stream, fHeaderText1);
  LoadText(stream, fHeaderText2);
  HeaderValue = stream.ReadInt16(HeaderValue);
  HeaderOption = stream.ReadByte(HeaderOption);
}

void TCommandList::PutItem(tObjStream& stream, const std::unique_ptr<TCommand>& item) const { stream.Put(item.get()); }

std::unique_ptr<TCommand> TCommandList::GetItem(tObjStream& stream) {
  std::unique_ptr<tStreamable> object = stream.Get();
  if (stream.GetStatus() != stOk) return nullptr;
  if (auto* command = dynamic_cast<TCommand*>(object.get())) {
    object.release();
    return std::unique_ptr<TCommand>(command);
  }
  stream.SetStatus(stBadData);
  return nullptr;
}

void TCommandList::DrawAll(tMetaFileRecorder& recorder) {
  for (const auto& command : fItems) command->Draw(recorder);
}

namespace {

using tItems = std::vector<std::unique_ptr<TCommand>>;

// The smallest value over the commands, -1 for none.
template <class Value>
int32_t MinOf(const tItems& items, Value value) {
  if (items.empty()) return -1;
  int32_t result = value(*items.front());
  for (const auto& c : items) result = std::min(result, value(*c));
  return result;
}

// The largest value over the commands, starting at -1.
template <class Value>
int32_t MaxOf(const tItems& items, Value value) {
  int32_t result = -1;
  for (const auto& c : items) result = std::max(result, value(*c));
  return result;
}

int16_t Saturate16(int64_t v) {
  return static_cast<int16_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// Rounds to nearest, an exact half to even. Far beyond any 16-bit value
// the result only needs to stay beyond it.
int64_t RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(std::clamp(v, -1e15, 1e15));  // the default mode: ties to even
  return static_cast<int64_t>(r);
}

int16_t Round16(double v) { return Saturate16(RoundHalfEven(v)); }

}  // namespace

int32_t TCommandList::MinLeft() const {
  return MinOf(fItems, [](const TCommand& c) { return int32_t{c.Left}; });
}

int32_t TCommandList::MinTop() const {
  return MinOf(fItems, [](const TCommand& c) { return int32_t{c.Top}; });
}

int32_t TCommandList::MaxRight() const {
  return MaxOf(fItems, [](const TCommand& c) { return int32_t{c.Left} + c.Width - 1; });
}

int32_t TCommandList::MaxBottom() const {
  return MaxOf(fItems, [](const TCommand& c) { return int32_t{c.Top} + c.Height - 1; });
}

void TCommandList::MoveOrigin(int32_t x, int32_t y) {
  const int64_t dx = int64_t{x} - MinLeft();
  const int64_t dy = int64_t{y} - MinTop();
  for (const auto& c : fItems) {
    c->Left = Saturate16(c->Left + dx);
    c->Top = Saturate16(c->Top + dy);
  }
}

int32_t TCommandList::ScaleTo(int mode, std::span<const int32_t> sizes, int index) {
  if (fItems.empty()) return 0;
  auto size = [&sizes](int i) {
    if (i < 0 || static_cast<size_t>(i) >= sizes.size())
      throw ELayoutArgument("Für die Skalierung fehlt der Größenwert Nr. " + std::to_string(i) + ".");
    return static_cast<double>(sizes[static_cast<size_t>(i)]);
  };
  auto divide = [](double a, int32_t b) {
    if (b == 0) throw EZeroDivide();
    return a / b;
  };
  double fx = 1;
  double fy = 1;
  switch (mode) {
    case 0:
      fx = divide(size(0), MaxRight());
      break;
    case 1:
      fy = divide(size(0), MaxBottom());
      break;
    case 2:
      fx = divide(size(0), MaxRight());
      fy = divide(size(index), MaxBottom());
      break;
    default:
      throw ELayoutArgument("Unbekannte Skalierungsart " + std::to_string(mode) + ".");
  }
  const double f = fx < fy ? fx : fy;
  for (const auto& c : fItems) {
    c->Left = Round16(fx * c->Left);
    c->Top = Round16(fy * c->Top);
    c->Width = Round16(fx * c->Width);
    c->Height = Round16(fy * c->Height);
    if (int16_t* fontHeight = c->ScaledFontHeight())
      *fontHeight = Saturate16(RoundHalfEven(*fontHeight * f) + RoundHalfEven(3 * f));
  }
  return Count();
}

void TCommandList::SetDataHandler(const tDataEvent& handler) {
  for (const auto& c : fItems)
    if (auto* data = dynamic_cast<TDataCommand*>(c.get())) data->OnData = handler;
}

std::unique_ptr<TCommandList> GetCommandList(tObjStream& stream) {
  std::unique_ptr<tStreamable> object = stream.Get();
  if (stream.GetStatus() != stOk) return nullptr;
  auto* list = dynamic_cast<TCommandList*>(object.get());
  if (!list) {
    stream.SetStatus(stBadData);
    return nullptr;
  }
  object.release();
  return std::unique_ptr<TCommandList>(list);
}
