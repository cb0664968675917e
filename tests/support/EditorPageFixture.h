#pragma once

#include "EditorPage.h"
#include "FakePrompter.h"
#include "ProgramSettings.h"
#include "TestSettings.h"
#include "WordList.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>

// The editor tests' common ground: an editor page on a shown, active window, over a fresh list,
// fresh settings and a scripted prompter. A test's init() calls QVERIFY(openPage()), its
// cleanup() closePage().
class EditorPageFixture : public QObject
{
protected:
    bool openPage()
    {
        m_testSettings = std::make_unique<TestSettings>();
        m_list = std::make_unique<WordList>();
        m_settings = ProgramSettings();
        m_prompter.clear();
        m_window = std::make_unique<QWidget>();
        m_window->resize(660, 380);
        m_page = new EditorPage(*m_list, m_settings, m_prompter, m_window.get());
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        return QTest::qWaitForWindowActive(m_window.get());
    }

    void closePage()
    {
        m_window.reset();
        m_page = nullptr;
        m_list.reset();
        m_testSettings.reset();
    }

    std::unique_ptr<TestSettings> m_testSettings;
    std::unique_ptr<WordList> m_list;
    ProgramSettings m_settings;
    FakePrompter m_prompter;
    std::unique_ptr<QWidget> m_window;
    EditorPage* m_page = nullptr;
};
