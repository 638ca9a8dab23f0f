#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/SpoolSearch.h"
#include "app/print/EPrintError.h"
#include "app/print/JobSpooler.h"
#include "platform/text/Utf.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// A descriptor that is closed with the object.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

class JobSpoolerTest : public ::testing::Test {
 protected:
  fs::path Spool() const { return dir_.Path() / "spool"; }
  std::u16string SpoolFolder() const { return test::U16(Spool()) + u"/"; }

  // Opens a file holding `content`, kept outside the spool folder.
  int Input(std::string_view content) {
    return Keep(open(dir_.Write("input/" + std::to_string(inputs_.size()), content).c_str(), O_RDONLY));
  }
  int Keep(int fd) {
    inputs_.push_back(std::make_unique<Fd>(fd));
    return fd;
  }

  std::vector<fs::path> Entries() const {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(Spool())) entries.push_back(entry.path());
    return entries;
  }

  void SetUp() override { fs::create_directory(Spool()); }

  test::TempDir dir_;
  std::vector<std::unique_ptr<Fd>> inputs_;
};

TEST_F(JobSpoolerTest, NamesTheJobAfterTheGivenTitleTheJobsOwnOrDokument) {
  struct Case {
    std::optional<std::u16string> title;
    std::string job;
    std::string name;
  };
  const Case cases[] = {
      {u"Rechnung/März", "%!PS\n%%Title: (Brief)\nshowpage\n", "Rechnung_März.ps"},
      {std::nullopt, "%!PS\n%%Title: (Gr\\374\\337e\\nan Anna)\nshowpage\n", "Grüße an Anna.ps"},
      {std::nullopt, "%!PS\nshowpage\n", "Dokument.ps"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const fs::path path = ToUtf8(JobSpooler(test::U16(dir.Path()) + u"/").Spool(Input(c.job), "job", c.title));
    const std::string name = path.filename().string();
    EXPECT_EQ(name.substr(15), c.name);
    EXPECT_EQ(test::Content(path), c.job);
    EXPECT_EQ(fs::directory_iterator(dir.Path())->path(), path) << "one file only";
  }
}

// The job trickles in through a pipe while another thread lists the folder
// as the tool does: any "*.ps" it sees must already be complete.
TEST_F(JobSpoolerTest, AListerNeverSeesAPartialJob) {
  const std::string chunk(64 * 1024, 'x');
  constexpr int kChunks = 48;
  const auto total = static_cast<std::uintmax_t>(chunk.size()) * kChunks;
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  Fd readEnd(pipeEnds[0]);

  std::thread writer([&] {
    for (int i = 0; i < kChunks; ++i) {
      std::size_t done = 0;
      while (done < chunk.size()) done += static_cast<std::size_t>(write(pipeEnds[1], chunk.data() + done, chunk.size() - done));
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    close(pipeEnds[1]);
  });
  std::atomic<bool> done = false;
  std::atomic<int> partialSightings = 0;
  std::atomic<int> looks = 0;
  std::thread lister([&] {
    while (!done) {
      FoundList found;
      FindFiles(found, SpoolFolder(), u"*.ps", false, false, false);
      for (const FoundEntry& entry : found) {
        std::error_code error;
        if (fs::file_size(ToUtf8(entry.path), error) != total && !error) ++partialSightings;
      }
      ++looks;
    }
  });

  const std::u16string job = JobSpooler(SpoolFolder()).Spool(readEnd.get(), "pipe", u"Groß");
  done = true;
  writer.join();
  lister.join();
  EXPECT_EQ(partialSightings, 0);
  EXPECT_GT(looks, 1);
  EXPECT_EQ(fs::file_size(ToUtf8(job)), total);
  EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(JobSpoolerTest, TwoJobsInQuickSuccessionBothArriveUnderTheirOwnNames) {
  const JobSpooler spooler(SpoolFolder());
  const std::u16string first = spooler.Spool(Input("%!PS\n% one\n"), "one", u"Brief");
  const std::u16string second = spooler.Spool(Input("%!PS\n% two\n"), "two", u"Brief");
  EXPECT_NE(first, second);
  EXPECT_EQ(test::Content(ToUtf8(first)), "%!PS\n% one\n");
  EXPECT_EQ(test::Content(ToUtf8(second)), "%!PS\n% two\n");
  EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(JobSpoolerTest, ATakenNameIsNeverReplaced) {
  const fs::path taken = dir_.Write("spool/AAAAAAAAAAAAAAABrief.ps", "earlier job");
  const std::u16string prefixes[] = {u"AAAAAAAAAAAAAAA", u"AAAAAAAAAAAAAAA", u"BBBBBBBBBBBBBBB"};
  int next = 0;
  const JobSpooler spooler(SpoolFolder(), {}, [&] { return prefixes[next++]; });
  const std::u16string job = spooler.Spool(Input("%!PS\n"), "job", u"Brief");
  EXPECT_EQ(job, SpoolFolder() + u"BBBBBBBBBBBBBBBBrief.ps");
  EXPECT_EQ(test::Content(taken), "earlier job");
  EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(JobSpoolerTest, AFailedJobLeavesNothingBehind) {
  // Accepts 1000 bytes, then reports a full disk.
  std::size_t room = 0;
  const auto fullDisk = [&room](int fd, const void* data, std::size_t size) -> ssize_t {
    if (room >= 1000) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t part = std::min(size, 1000 - room);
    room += part;
    return write(fd, data, part);
  };
  struct Case {
    const char* what;
    int input;
    JobSpooler::WriteFunction write;
    std::string message;
  };
  const Case cases[] = {
      {"full disk", Input(std::string(5000, 'x')), fullDisk, "Cannot write the job: No space left on device"},
      {"a folder for input", Keep(open(dir_.Path().c_str(), O_RDONLY)), {}, "Cannot read in: Is a directory"},
      {"closed input", -1, {}, "Cannot read in: Bad file descriptor"},
      {"empty input", Input(""), {}, "The job from in is empty"},
  };
  for (const Case& c : cases) {
    try {
      JobSpooler(SpoolFolder(), c.write).Spool(c.input, "in", u"Brief");
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EPrintError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.what << ": " << error.what();
    }
    EXPECT_TRUE(Entries().empty()) << c.what;
  }
}

// Part of the job has come in when the print system cancels it.
TEST_F(JobSpoolerTest, ACancelledJobLeavesNothingBehind) {
  int input[2];
  int cancel[2];
  ASSERT_EQ(pipe(input), 0);
  ASSERT_EQ(pipe(cancel), 0);
  const Fd inputRead(input[0]), inputWrite(input[1]), cancelRead(cancel[0]), cancelWrite(cancel[1]);
  ASSERT_EQ(write(input[1], "%!PS\n", 5), 5);
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(write(cancel[1], "x", 1), 1);
  });
  JobSpooler spooler(SpoolFolder());
  spooler.SetCancelFd(cancel[0]);
  EXPECT_THROW(spooler.Spool(input[0], "pipe", u"Brief"), EPrintError);
  canceller.join();
  EXPECT_TRUE(Entries().empty());
}

TEST_F(JobSpoolerTest, AMissingFolderIsReported) {
  try {
    JobSpooler(test::U16(dir_.Path() / "gone") + u"/").Spool(Input("%!PS\n"), "in", std::nullopt);
    ADD_FAILURE() << "no error";
  } catch (const EPrintError& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot create the job file in"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace qb
