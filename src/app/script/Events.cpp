#include "app/script/Events.hpp"

#include <algorithm>

namespace zorvek::script {

void EventWriter::Write(const Json& event) {
  out_ << event.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

const char* AreaName(TextArea area) {
  switch (area) {
    case TextArea::TBGeneral:
      return "TBGeneral";
    case TextArea::TBDatos:
      return "TBDatos";
    case TextArea::TBOpciones:
      return "TBOpciones";
  }
  return "";
}

const char* TimerName(TimerId timer) {
  switch (timer) {
    case TimerId::TMRPersecu:
      return "TMRPersecu";
    case TimerId::TMRRecuperacion:
      return "TMRRecuperación";
    case TimerId::TMRSonidos:
      return "TMRSonidos";
  }
  return "";
}

const char* DialogName(DialogId dialog) {
  switch (dialog) {
    case DialogId::Dialog:
      return "Dialog";
    case DialogId::DLGTienda:
      return "DLGTienda";
  }
  return "";
}

void ScriptUi::TextChanged(TextArea area, const std::string& text) {
  events_.Write(Json{{"e", "text"}, {"area", AreaName(area)}, {"text", text}});
}

void ScriptUi::Beep() { events_.Write(Json{{"e", "beep"}}); }

bool ScriptUi::TakeAnswer(std::string& answer) {
  if (answers_.empty()) {
    if (++unansweredInARow_ >= kUnansweredLimit) {
      throw UnansweredQuestions("se hicieron " + std::to_string(kUnansweredLimit) +
                                " preguntas seguidas sin respuesta en el guion");
    }
    return false;
  }
  unansweredInARow_ = 0;
  answer = answers_.front();
  answers_.pop_front();
  return true;
}

Answer ScriptUi::MessageBox(const std::string& text, Buttons buttons, const std::string& title) {
  Answer answer = Answer::Ok;
  if (buttons == Buttons::YesNo) {
    std::string typed;
    answer = TakeAnswer(typed) && typed == "yes" ? Answer::Yes : Answer::No;
  }
  const char* answerName = answer == Answer::Ok ? "ok" : answer == Answer::Yes ? "yes" : "no";
  events_.Write(Json{{"e", "msgbox"},
                     {"text", text},
                     {"title", title},
                     {"buttons", buttons == Buttons::Ok ? "ok" : "yesno"},
                     {"answer", answerName}});
  return answer;
}

std::string ScriptUi::InputBox(const std::string& prompt, const std::string& title) {
  std::string typed;
  TakeAnswer(typed);
  events_.Write(Json{{"e", "input"}, {"prompt", prompt}, {"title", title}, {"answer", typed}});
  return typed;
}

void ScriptUi::ShowDialog(DialogModel& dialog) {
  const char* name = DialogName(dialog.Id());
  events_.Write(Json{{"e", "dialog"}, {"dialog", name}, {"op", "open"}});
  dialog.Load();
  auto& queue = dialog.Id() == DialogId::Dialog ? partyActions_ : shopActions_;
  // What is left once the window closes waits for its next opening. An action on a
  // disabled control is refused, as the window would refuse the click.
  while (!dialog.Closed() && !queue.empty()) {
    DialogAction action = std::move(queue.front());
    queue.pop_front();
    dialog.Act(action.Control, action.Arg);
  }
  if (!dialog.Closed()) dialog.Act(dialog.CloseControl(), std::nullopt);
  events_.Write(Json{{"e", "dialog"}, {"dialog", name}, {"op", "close"}});
}

void ScriptUi::ControlChanged(DialogId dialog, const std::string& control,
                              const ControlView& view) {
  Json event{{"e", "control"}, {"dialog", DialogName(dialog)}, {"control", control}};
  if (view.Text) {
    event["text"] = *view.Text;
  } else if (view.Lines) {
    event["lines"] = *view.Lines;
  } else if (view.Enabled) {
    event["enabled"] = *view.Enabled;
  } else {
    return;  // a selection alone: the transcript shows what controls show, not the focus
  }
  events_.Write(event);
}

void ScriptUi::TimerSwitched(TimerId timer, bool enabled) {
  events_.Write(Json{{"e", "timer"}, {"timer", TimerName(timer)}, {"enabled", enabled}});
}

namespace {

class ScriptPlayer final : public SoundPlayer {
 public:
  ScriptPlayer(ScriptSound& sound, SoundBank bank, int channel)
      : sound_(sound), bank_(bank == SoundBank::Effects ? "effects" : "music"), channel_(channel) {}

  void Init(int32_t flags) override { Emit("init", {{"value", flags}}); }
  int32_t Load(const std::string& path) override {
    Emit("load", {{"file", sound_.RelativePath(path)}});
    return ++handles_;
  }
  int32_t Play(bool loop, bool flag) override {
    (void)flag;
    Emit("play", {{"loop", loop}});
    return handles_;
  }
  void Stop(bool flag) override {
    (void)flag;
    Emit("stop", {});
  }
  void SetProperty(int kind, int32_t value, bool flag) override {
    (void)flag;
    Emit("prop", {{"kind", kind}, {"value", value}});
  }
  void Unload(int32_t handle) override {
    (void)handle;
    Emit("unload", {});
  }
  void Free() override { Emit("free", {}); }

 private:
  void Emit(const char* op, const Json& extra) {
    Json event{{"e", "sound"}, {"bank", bank_}, {"op", op}, {"channel", channel_}};
    for (const auto& [k, v] : extra.items()) event[k] = v;
    sound_.Emit(event);
  }

  ScriptSound& sound_;
  std::string bank_;
  int channel_;
  int32_t handles_ = 0;
};

}  // namespace

std::unique_ptr<SoundPlayer> ScriptSound::Create(SoundBank bank, int channel) {
  return std::make_unique<ScriptPlayer>(*this, bank, channel);
}

std::string ScriptSound::RelativePath(const std::string& path) const {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  std::string dir = programDir_;
  std::replace(dir.begin(), dir.end(), '\\', '/');
  if (!dir.empty() && dir.back() != '/') dir += '/';
  if (p.rfind(dir, 0) == 0) p.erase(0, dir.size());
  return p;
}

}  // namespace zorvek::script
