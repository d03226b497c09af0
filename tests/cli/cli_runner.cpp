#include "cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

#include "support/test_support.h"

extern char** environ;

namespace kelvara::test {

CliRun run_cli(const std::vector<std::string>& args, const CliOptions& options) {
    // Input and output go through files rather than pipes, so that nothing can block.
    TempDir dir;
    const std::string out_path = (dir.path() / "out").string(), err_path = (dir.path() / "err").string();
    const std::string in_path = (dir.path() / "in").string();
    std::ofstream(in_path, std::ios::binary) << options.input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argv_strings{KELVARA_CLI};
    argv_strings.insert(argv_strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_strings) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The child takes the limit with it; this process has it only for the moment of the spawn.
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    if (options.file_size_limit) {
        rlimit limit = old_limit;
        limit.rlim_cur = *options.file_size_limit;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KELVARA_CLI, &actions, nullptr, argv.data(), environ);
    if (options.file_size_limit) setrlimit(RLIMIT_FSIZE, &old_limit);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error(std::string("cannot run kelvara-cli: ") + std::strerror(spawned));
    if (options.while_running) options.while_running(pid);

    int wait_status = 0;
    while (waitpid(pid, &wait_status, 0) == -1)
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    CliRun run;
    run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -WTERMSIG(wait_status);
    run.out = read_file(out_path);
    run.err = read_file(err_path);
    return run;
}

}  // namespace kelvara::test
