/* FCUI alerts and beeps on the headless bridge: what the driver is shown and
   what the caller gets back. */
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "ui/FCUI.h"
#include "ui/FCUIGlobals.h"
#include "ui/driver/qzui_driver.h"

namespace
{
struct ShownAlert
{
    int kind;
    std::string title;
    std::string message;
    std::vector<std::string> buttons;
    bool shadingAllowed;
};

/* Records every alert and answers with a scripted code. */
struct AlertRecorder
{
    std::vector<ShownAlert> shown;
    int answer = -1; /* -1: the default button's code */

    static int Callback(void* context, int kind, const char* title, const char* message, const char* const* buttons,
                        int count)
    {
        auto* self = static_cast<AlertRecorder*>(context);
        ShownAlert alert{kind, title, message, {}, __bWindowshadeAllowed};
        for (int i = 0; i < count; ++i)
            alert.buttons.push_back(buttons[i]);
        self->shown.push_back(alert);
        return self->answer;
    }
};

class AlertTest : public ::testing::Test
{
protected:
    AlertRecorder recorder;
    FCUI ui{nullptr};

    void SetUp() override { qzui_set_alert_callback(&AlertRecorder::Callback, &recorder); }
    void TearDown() override { qzui_set_alert_callback(nullptr, nullptr); }
};

/* One alert operation in one of its three entry forms. */
struct AlertForm
{
    const char* name;
    int kind;
    const char* fallback;
    std::vector<std::string> buttons;
    std::vector<int> answers;                                 /* per button; empty for the alerts without a result */
    std::function<int(FCUI&, const char*, const char*)> call; /* null texts pass through */
};

int NoResult(const std::function<void()>& show)
{
    show();
    return -100;
}

/* FCString form: null stays null. */
template <class F>
int WithStrings(F f, const char* message, const char* title)
{
    FCString m, t;
    if (message)
        m.SetUTF8String(message);
    if (title)
        t.SetUTF8String(title);
    return f(message ? &m : nullptr, title ? &t : nullptr);
}

// clang-format off
#define QZ_ALERT_FORMS(op, kind, fallback, buttons, answers, voidResult)                                     \
    AlertForm{#op, kind, fallback, buttons, answers,                                                          \
              [](FCUI& ui, const char* m, const char* t) {                                                    \
                  return WithStrings([&](const FCString* pm, const FCString* pt) { return voidResult(ui.op(pm, pt)); }, m, t); \
              }},                                                                                             \
        AlertForm{#op "CString", kind, fallback, buttons, answers,                                            \
                  [](FCUI& ui, const char* m, const char* t) { return voidResult(ui.op##CString(m, t)); }},   \
        AlertForm{#op "UTF8", kind, fallback, buttons, answers,                                               \
                  [](FCUI& ui, const char* m, const char* t) { return voidResult(ui.op##UTF8(m, t)); }}
// clang-format on

#define QZ_VOID(expr) NoResult([&] { expr; })
#define QZ_INT(expr) (expr)

std::vector<AlertForm> AllForms()
{
    using S = std::vector<std::string>;
    using A = std::vector<int>;
    return {
        QZ_ALERT_FORMS(AlertError, QZUI_ALERT_ERROR, "Error", (S{"Ok"}), (A{}), QZ_VOID),
        QZ_ALERT_FORMS(AlertInfo, QZUI_ALERT_INFO, "Information", (S{"Ok"}), (A{}), QZ_VOID),
        QZ_ALERT_FORMS(AlertNeutral, QZUI_ALERT_NEUTRAL, "", (S{"Ok"}), (A{}), QZ_VOID),
        QZ_ALERT_FORMS(AlertOkCancel, QZUI_ALERT_OKCANCEL, "Ok/Cancel?", (S{"Ok", "Cancel"}), (A{0, 1}), QZ_INT),
        QZ_ALERT_FORMS(AlertYesNo, QZUI_ALERT_YESNO, "Yes/No?", (S{"Yes", "No"}), (A{2, 3}), QZ_INT),
        QZ_ALERT_FORMS(AlertYesNoCancel, QZUI_ALERT_YESNOCANCEL, "Yes/No/Cancel?", (S{"Yes", "No", "Cancel"}),
                       (A{2, 3, 1}), QZ_INT),
    };
}

TEST_F(AlertTest, EveryFormShowsItsTitleButtonsAndMessage)
{
    const auto forms = AllForms();
    ASSERT_EQ(forms.size(), 18u);
    for (const AlertForm& form : forms) {
        SCOPED_TRACE(form.name);
        recorder.shown.clear();
        form.call(ui, "Staff set 3 exists.", "Replace?");
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].kind, form.kind);
        EXPECT_EQ(recorder.shown[0].title, "Replace?");
        EXPECT_EQ(recorder.shown[0].message, "Staff set 3 exists.");
        EXPECT_EQ(recorder.shown[0].buttons, form.buttons);
    }
}

TEST_F(AlertTest, NullOrEmptyTitleTakesTheFallbackTitle)
{
    for (const AlertForm& form : AllForms()) {
        SCOPED_TRACE(form.name);
        recorder.shown.clear();
        form.call(ui, "text", nullptr);
        form.call(ui, "text", "");
        ASSERT_EQ(recorder.shown.size(), 2u);
        EXPECT_EQ(recorder.shown[0].title, form.fallback);
        EXPECT_EQ(recorder.shown[1].title, form.fallback);
    }
}

TEST_F(AlertTest, NullMessageShowsNothingAndQuestionsAnswerFour)
{
    for (const AlertForm& form : AllForms()) {
        SCOPED_TRACE(form.name);
        const int result = form.call(ui, nullptr, "Title");
        if (!form.answers.empty()) {
            EXPECT_EQ(result, FCUI::ALERTRESULT_NONE);
        }
    }
    EXPECT_TRUE(recorder.shown.empty());
    /* An empty message is still shown: only a missing one is nothing. */
    ui.AlertInfoCString("", "Title");
    EXPECT_EQ(recorder.shown.size(), 1u);
}

TEST_F(AlertTest, QuestionsReturnTheAnswerOfThePressedButton)
{
    for (const AlertForm& form : AllForms()) {
        for (int answer : form.answers) {
            SCOPED_TRACE(std::string(form.name) + " answer " + std::to_string(answer));
            recorder.answer = answer;
            EXPECT_EQ(form.call(ui, "question", "title"), answer);
        }
    }
}

TEST_F(AlertTest, AnswerThatIsNoButtonOfTheAlertCountsAsTheDefault)
{
    recorder.answer = FCUI::ALERTRESULT_CANCEL; /* no Cancel button on a yes/no question */
    EXPECT_EQ(ui.AlertYesNoCString("q", "t"), FCUI::ALERTRESULT_YES);
    recorder.answer = 77;
    EXPECT_EQ(ui.AlertOkCancelCString("q", "t"), FCUI::ALERTRESULT_OK);
}

TEST_F(AlertTest, WindowShadingIsSuspendedOnlyWhileTheAlertIsUp)
{
    ASSERT_TRUE(__bWindowshadeAllowed);
    for (const AlertForm& form : AllForms()) {
        SCOPED_TRACE(form.name);
        recorder.shown.clear();
        form.call(ui, "m", "t");
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_FALSE(recorder.shown[0].shadingAllowed);
        EXPECT_TRUE(__bWindowshadeAllowed);
    }
}

TEST_F(AlertTest, UTF8FormsKeepEveryCharacter)
{
    ui.AlertInfoUTF8("Gr\xC3\xB6\xC3\x9F"
                     "e \xE2\x99\xAF",
                     "\xC3\x9C"
                     "ber");
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].message, "Gr\xC3\xB6\xC3\x9F"
                                         "e \xE2\x99\xAF");
    EXPECT_EQ(recorder.shown[0].title, "\xC3\x9C"
                                       "ber");
}

TEST(AlertWithoutDriverTest, DefaultButtonAnswersAndTheAlertGoesToStandardError)
{
    qzui_set_alert_callback(nullptr, nullptr);
    FCUI ui(nullptr);
    ::testing::internal::CaptureStderr();
    const int yesNo = ui.AlertYesNoCString("Replace Current Staff Set?", nullptr);
    const int okCancel = ui.AlertOkCancelCString("Delete?", "Staff Set");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(yesNo, FCUI::ALERTRESULT_YES);
    EXPECT_EQ(okCancel, FCUI::ALERTRESULT_OK);
    EXPECT_NE(err.find("Replace Current Staff Set?"), std::string::npos);
    EXPECT_NE(err.find("Yes/No?"), std::string::npos);
    EXPECT_NE(err.find("Delete?"), std::string::npos);
    EXPECT_NE(err.find("Cancel"), std::string::npos);
}

/* ---- Beep ---- */

struct BeepCounter
{
    int count = 0;
    static void Callback(void* context) { ++static_cast<BeepCounter*>(context)->count; }
};

TEST(BeepTest, EachBeepReachesTheDriverOnce)
{
    BeepCounter counter;
    qzui_set_beep_callback(&BeepCounter::Callback, &counter);
    const int before = qzui_beep_count();
    FCUI ui(nullptr);
    ui.Beep();
    ui.Beep();
    qzui_set_beep_callback(nullptr, nullptr);
    ui.Beep();
    EXPECT_EQ(counter.count, 2);
    EXPECT_EQ(qzui_beep_count() - before, 3);
}
} // namespace
