// The shell's rules on the in-memory form: the build order, events dropped
// while a window is built, loading an open window, when the loop quits, and
// start-up and the end with scripted platform operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/shell.h"
#include "tests/unit/memory_form.h"
#include "ui/examples/examples_window.h"

namespace {

using memory_form::Step;

constexpr WindowId kMain = WindowId::Main;
constexpr WindowId kExamples = WindowId::Examples;

class Shell : public ::testing::Test {
protected:
    void SetUp() override { memory_form::Reset(); }
};

// Every control created hidden in stored order with events held, then all but
// the timers shown, then the window shown once events flow again (that is
// where the created event is delivered).
std::vector<Step> ExpectedBuild(WindowId w, std::size_t count, std::vector<std::size_t> timers) {
    std::vector<Step> steps = {{Step::CreateWindow, w, 0, true}};
    for (std::size_t i = 0; i < count; ++i) steps.push_back({Step::CreateControl, w, i, true});
    for (std::size_t i = 0; i < count; ++i)
        if (std::find(timers.begin(), timers.end(), i) == timers.end())
            steps.push_back({Step::ShowControl, w, i, true});
    steps.push_back({Step::ShowWindow, w, 0, false});
    return steps;
}

TEST_F(Shell, BuildsInStoredOrderWithEventsHeld) {
    ASSERT_TRUE(LoadWindow(kMain));
    EXPECT_EQ(memory_form::Steps(), ExpectedBuild(kMain, 23, {0, 6}));  // 时钟2 and 时钟1
    EXPECT_FALSE(EventsHeld());
    for (const char* timer : {"时钟1", "时钟2"}) {
        EXPECT_FALSE(memory_form::IsVisible(kMain, timer));
        EXPECT_TRUE(memory_form::TimerRunning(kMain, timer));
    }
    EXPECT_TRUE(memory_form::IsVisible(kMain, "编辑框1"));
    EXPECT_TRUE(memory_form::IsShown(kMain));
}

TEST_F(Shell, BuildsTheExamplesWindowTheSameWay) {
    ASSERT_TRUE(LoadWindow(kExamples));
    EXPECT_EQ(memory_form::Steps(), ExpectedBuild(kExamples, 3, {}));
}

TEST_F(Shell, EventsDuringABuildAreDroppedNotQueued) {
    static int runs;
    runs = 0;
    const Handler count = [] { ++runs; };
    memory_form::Hooks().afterCreateControl = [count](WindowId, std::size_t) { Deliver(count); };
    ASSERT_TRUE(LoadWindow(kMain));
    EXPECT_EQ(runs, 0);
    Deliver(count);
    EXPECT_EQ(runs, 1);  // the 23 dropped ones did not come back
}

TEST_F(Shell, LoadingAnOpenWindowBuildsNothing) {
    ASSERT_TRUE(LoadWindow(kMain));
    memory_form::Type(kMain, "编辑框1", "kept");
    const std::size_t built = memory_form::Steps().size();

    ASSERT_TRUE(LoadWindow(kMain));
    memory_form::Minimise(kMain);
    ASSERT_TRUE(LoadWindow(kMain));
    const std::vector<Step> after(memory_form::Steps().begin() + built, memory_form::Steps().end());
    EXPECT_EQ(after, (std::vector<Step>{{Step::Activate, kMain}, {Step::Restore, kMain}}));
    EXPECT_EQ(ReadText(kMain, "编辑框1"), "kept");
}

TEST_F(Shell, AFailedBuildIsDestroyedAndReleasesEvents) {
    struct Case {
        const char* name;
        WindowId window;
        int failWindow, failControlOf;
        std::size_t failControlAt;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"main window", kMain, int(kMain), -1, 0,
         {{Step::CreateWindow, kMain, 0, true}, {Step::DestroyWindow, kMain, 0, false}}},
        {"a main control", kMain, -1, int(kMain), 1,
         {{Step::CreateWindow, kMain, 0, true},
          {Step::CreateControl, kMain, 0, true},
          {Step::CreateControl, kMain, 1, true},
          {Step::DestroyWindow, kMain, 0, false}}},
        {"an examples button", kExamples, -1, int(kExamples), 2,
         {{Step::CreateWindow, kExamples, 0, true},
          {Step::CreateControl, kExamples, 0, true},
          {Step::CreateControl, kExamples, 1, true},
          {Step::CreateControl, kExamples, 2, true},
          {Step::DestroyWindow, kExamples, 0, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memory_form::Reset();
        memory_form::Hooks().failCreateWindow = c.failWindow;
        memory_form::Hooks().failControlOf = c.failControlOf;
        memory_form::Hooks().failControlAt = c.failControlAt;
        EXPECT_FALSE(LoadWindow(c.window));
        EXPECT_EQ(memory_form::Steps(), c.steps);
        EXPECT_FALSE(memory_form::IsOpen(c.window));
        EXPECT_FALSE(AnyWindowOpen());
        EXPECT_FALSE(EventsHeld());
        // Nothing of the failed window lingers: the next load builds it afresh.
        memory_form::Hooks() = {};
        EXPECT_TRUE(LoadWindow(c.window));
        EXPECT_TRUE(memory_form::IsShown(c.window));
    }
}

TEST_F(Shell, ClosingBeforeTheLoopStartedDoesNotQuit) {
    ASSERT_TRUE(LoadWindow(kMain));
    EXPECT_FALSE(memory_form::CloseWindow(kMain));
    EXPECT_FALSE(AnyWindowOpen());
}

TEST(FatalErrorText, Layout) {
    EXPECT_EQ(FatalErrorText("x"), "运行时出错!\r\n\r\n错误信息：x\r\n");
    EXPECT_EQ(FatalErrorText(kMessageDescriptions),
              "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"
              "载入窗口模板数据段出错!\r\n");
    EXPECT_STREQ(kMessageStartWindow, "载入启动窗口失败");
}

// --- start-up and the end, with the platform's start-up scripted ---------------

std::vector<std::string> events;  // what the scripted operations saw, in order
std::function<bool()> startScript;
std::function<int()> loopScript;

void EndA() { events.push_back("end A"); }
void EndB() { events.push_back("end B"); }

const StartupOps kScripted = {
    .addErrorModeFlags = [] { events.push_back("error mode"); },
    .startRuntime = [] {
        events.push_back("start");
        return startScript();
    },
    .runLoop = [] {
        events.push_back("loop");
        return loopScript();
    },
    .showFatalBox = [](const Text& text) { events.push_back("box: " + text); },
    .releaseRuntime = [] { events.push_back("release"); },
};

class Startup : public Shell {
protected:
    void SetUp() override {
        Shell::SetUp();
        events.clear();
        // Registered during start-up, A twice: held once, run in registration order.
        startScript = [] {
            RegisterEndRoutine(EndA);
            RegisterEndRoutine(EndB);
            RegisterEndRoutine(EndA);
            return true;
        };
        loopScript = [] { return memory_form::CloseWindow(kMain) ? 0 : 99; };
    }
};

TEST_F(Startup, DescriptionsFailureIsFatal) {
    startScript = [] {
        RegisterEndRoutine(EndA);
        return false;
    };
    EXPECT_EQ(RunApplication(kScripted), -1);
    const std::string box = "box: " + FatalErrorText("载入窗口模板数据段出错!");
    EXPECT_EQ(events, (std::vector<std::string>{"error mode", "start", box, "release"}));
    EXPECT_TRUE(memory_form::Steps().empty());
    EXPECT_TRUE(EventsHeld());
}

TEST_F(Startup, MainWindowFailureIsFatal) {
    memory_form::Hooks().failControlOf = int(kMain);
    memory_form::Hooks().failControlAt = 22;
    EXPECT_EQ(RunApplication(kScripted), -1);
    const std::string box = "box: " + FatalErrorText("载入启动窗口失败");
    EXPECT_EQ(events, (std::vector<std::string>{"error mode", "start", box, "release"}));
    EXPECT_FALSE(memory_form::IsOpen(kMain));
    EXPECT_TRUE(EventsHeld());
}

TEST_F(Startup, NormalPathRunsTheLoopThenTheEndRoutinesOnce) {
    loopScript = [] {
        // The main window is up and working before the loop takes a message.
        EXPECT_TRUE(memory_form::IsShown(kMain));
        EXPECT_FALSE(EventsHeld());
        return memory_form::CloseWindow(kMain) ? 0 : 99;
    };
    EXPECT_EQ(RunApplication(kScripted), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"error mode", "start", "loop", "end A", "end B", "release"}));
    EXPECT_TRUE(EventsHeld());  // for good: nothing runs after the end
}

TEST_F(Startup, QuitsWhenTheLastWindowClosesWhicheverItIs) {
    loopScript = [] {
        memory_form::Click(kMain, "按钮6");
        EXPECT_TRUE(memory_form::IsShown(kExamples));
        EXPECT_FALSE(memory_form::CloseWindow(kMain));
        memory_form::Click(kExamples, "超级按钮2");  // still working without a main window
        EXPECT_EQ(memory_form::ClipboardState().text, kExampleTexts[1]);
        return memory_form::CloseWindow(kExamples) ? 0 : 99;
    };
    EXPECT_EQ(RunApplication(kScripted), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"error mode", "start", "loop", "end A", "end B", "release"}));
}

TEST_F(Startup, ClosingTheExamplesWindowAloneDoesNotQuit) {
    loopScript = [] {
        memory_form::Click(kMain, "按钮6");
        EXPECT_FALSE(memory_form::CloseWindow(kExamples));
        EXPECT_TRUE(memory_form::IsOpen(kMain));
        return memory_form::CloseWindow(kMain) ? 0 : 99;
    };
    EXPECT_EQ(RunApplication(kScripted), 0);
}

TEST_F(Startup, LoopSkippedWhenNothingIsOpenAfterTheBuild) {
    memory_form::Hooks().afterShowWindow = [](WindowId w) {
        // Destroyed while it is shown, before the loop-started flag is set: no quit is asked.
        EXPECT_FALSE(memory_form::CloseWindow(w));
    };
    EXPECT_EQ(RunApplication(kScripted), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"error mode", "start", "end A", "end B", "release"}));
}

}  // namespace
