// A second start hands its record to the running program and ends; a program that finds
// no one running becomes the one.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <sstream>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "kelvara_version.h"

namespace kelvara {
namespace {

QString unique_name() { return QStringLiteral("kelvara-test-%1").arg(QCoreApplication::applicationPid()); }

TEST(SingleInstance, ASecondStartHandsItsRecordToTheFirst) {
    SingleInstance nobody(unique_name());
    EXPECT_FALSE(nobody.hand_over(QStringLiteral("a.pgn")));  // no one runs yet

    SingleInstance running(unique_name());
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::file_received);

    SingleInstance second(unique_name());
    // A relative name is meant from where the second start runs.
    EXPECT_TRUE(second.hand_over(QStringLiteral("棋谱/第 1 局 .pgn")));
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toString(), QDir::current().absoluteFilePath(QStringLiteral("棋谱/第 1 局 .pgn")));

    EXPECT_TRUE(second.hand_over({}));  // only to bring the window forward
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.at(1).at(0).toString(), QString());

    // A third that starts listening meanwhile finds the name taken and hands over instead.
    SingleInstance third(unique_name());
    EXPECT_FALSE(third.listen());
}

TEST(SingleInstance, ASocketLeftBehindIsTakenOver) {
    // What a program killed while it ran leaves: a socket file nobody answers on.
    const QString name = unique_name() + QStringLiteral("-left");
    const QByteArray path = QFile::encodeName(QDir::temp().absoluteFilePath(name));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);

    SingleInstance starting(name);
    EXPECT_FALSE(starting.hand_over(QStringLiteral("/a.pgn")));
    ASSERT_TRUE(starting.listen());
    QSignalSpy received(&starting, &SingleInstance::file_received);
    EXPECT_TRUE(SingleInstance(name).hand_over(QStringLiteral("/b.pgn")));
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toString(), QStringLiteral("/b.pgn"));
}

TEST(SingleInstance, AnOverlongMessageIsDropped) {
    SingleInstance running(unique_name());
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::file_received);
    SingleInstance second(unique_name());
    EXPECT_TRUE(second.hand_over(QString(70000, QChar(u'a'))));
    EXPECT_FALSE(received.wait(500));
    EXPECT_TRUE(second.hand_over(QStringLiteral("/b.pgn")));  // the next one still gets through
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toString(), QStringLiteral("/b.pgn"));
}

TEST(CommandLine, VersionAndHelpAreAnsweredAndAnythingElseIsLeftToQt) {
    std::ostringstream out;
    const char* version[] = {"kelvara", "--version"};
    EXPECT_EQ(answer_information_options(2, version, out), 0);
    EXPECT_EQ(out.str(), std::string("kelvara ") + kVersion + "\n");

    for (const char* flag : {"--help", "-h"}) {
        std::ostringstream help;
        const char* argv[] = {"kelvara", "a.pgn", flag};
        EXPECT_EQ(answer_information_options(3, argv, help), 0);
        EXPECT_EQ(help.str().rfind("usage: kelvara [FILE]", 0), 0u) << help.str();
    }

    std::ostringstream none;
    const char* record[] = {"kelvara", "a.pgn"};
    EXPECT_EQ(answer_information_options(2, record, none), std::nullopt);
    EXPECT_EQ(none.str(), "");
    EXPECT_EQ(record_argument({"kelvara", "a.pgn", "b.pgn"}), "a.pgn");
    EXPECT_EQ(record_argument({"kelvara"}), "");
}

}  // namespace
}  // namespace kelvara
