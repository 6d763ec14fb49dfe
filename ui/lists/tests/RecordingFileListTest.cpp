// The recording file list: the caption its owner gives the name column, and each
// recording's name, date and time.
#include "CRecordingDir.h"
#include "CRecordingFile.h"
#include "CRecordingFileList.h"
#include "ListsTestSupport.h"
#include "UShortDate.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The user's locale for the test's span.
class StUserLocale {
public:
    explicit StUserLocale(const char* locale)
    {
        if (const char* old = std::getenv("LC_ALL")) m_old = old, m_had = true;
        setenv("LC_ALL", locale, 1);
    }
    ~StUserLocale()
    {
        if (m_had) setenv("LC_ALL", m_old.c_str(), 1);
        else unsetenv("LC_ALL");
    }

private:
    std::string m_old;
    bool m_had = false;
};

CRecordingFile* AddRecording(CRecordingDir& folder, const char* path)
{
    auto* recording = new CRecordingFile;
    recording->Parse(path);
    EXPECT_TRUE(recording->ValidFormat()) << path;
    folder.AddFile(recording);
    return recording;
}

TEST(CRecordingFileList, TheNameColumnHasTheCaptionItsOwnerGave)
{
    CRecordingDir folder;
    ListHost<CRecordingFileList> list;
    list.control.SetObject(&folder);
    EXPECT_EQ(list.View().Columns(),
              (std::vector<ListColumn>{{"", 200, false}, {"Date", 120, false}, {"Time", 120, false}}));
    list.control.SetNameHeader("Recording");
    list.control.Refresh();
    EXPECT_EQ(list.View().Columns()[0].title, "Recording");
}

TEST(CRecordingFileList, EachRecordingShowsItsNameDateAndTime)
{
    StUserLocale locale("C");
    CRecordingDir folder;
    CRecordingFile* first = AddRecording(folder, "/rec/Camera 2025_03_07 14_05_09.avi");
    AddRecording(folder, "/rec/Screen 2011_12_31 00_00_59.wmv");
    ListHost<CRecordingFileList> list;
    list.control.SetObject(&folder);
    ReportView view = list.View();
    ASSERT_EQ(view.Rows(), 2);
    EXPECT_EQ(view.Row(0), (Texts{"Camera", "03/07/25", "14:05:09"}));
    EXPECT_EQ(view.Row(1), (Texts{"Screen", "12/31/11", "00:00:59"}));
    EXPECT_EQ(view.Image(0), 1);
    // The tip names the file.
    EXPECT_EQ(std::string(list.control.GetObjectText(first, 0, true)), "Camera 2025_03_07 14_05_09.avi");
    EXPECT_EQ(std::string(list.control.GetObjectText(first, 3, false)), "Error");

    EXPECT_EQ(list.control.GetSelectedFile(), nullptr);
    view.Click(1);
    EXPECT_EQ(list.control.GetSelectedFile(), folder.GetFileList().GetAt(1));
    view.Click(0, MK_CONTROL);
    EXPECT_EQ(list.control.GetSelectedFile(), nullptr);
}

TEST(UShortDate, TheUsersLocaleWritesTheDate)
{
    {
        StUserLocale locale("C");
        EXPECT_EQ(std::string(UShortDate::Format(2006, 1, 2)), "01/02/06");
    }
    // A locale that is not installed leaves the C form.
    StUserLocale locale("xx_NOWHERE.UTF-8");
    EXPECT_EQ(std::string(UShortDate::Format(2030, 11, 9)), "11/09/30");
}

} // namespace
