// brik-startup-bench: where the time from exec to the first frame goes. Runs each command in
// turn, round after round (interleaved, so all see the same load), with --startup-report
// appended, and prints per command the median milliseconds from just before exec to each
// step the program reports (lines "startup STEP SECONDS" on the monotonic clock).
//
//   brik-startup-bench [--runs N] "COMMAND [ARGS]" ...
//
// Exit status: 0; 1 when a command fails or reports nothing; 2 for bad usage.

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "maths/Statistics.h"

namespace {
double monotonicSeconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct Command {
    std::vector<std::string> words;
    std::vector<std::string> stepOrder;
    std::map<std::string, std::vector<double>> milliseconds;  // per step, one per run
};

// Runs the command once; false when it fails to start, exits non-zero or reports nothing.
bool runOnce(Command& command) {
    std::vector<char*> argv;
    for (std::string& word : command.words) argv.push_back(word.data());
    std::string report = "--startup-report";
    argv.push_back(report.data());
    argv.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0) return false;
    const double start = monotonicSeconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[4096];
    ssize_t count;
    while ((count = read(output[0], buffer, sizeof buffer)) > 0) text.append(buffer, size_t(count));
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;

    std::istringstream lines(text);
    std::string word, step;
    double seconds;
    bool any = false;
    while (lines >> word) {
        if (word != "startup" || !(lines >> step >> seconds)) continue;
        if (!command.milliseconds.count(step)) command.stepOrder.push_back(step);
        command.milliseconds[step].push_back((seconds - start) * 1000);
        any = true;
    }
    return any;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 10;
    std::vector<Command> commands;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = atoi(argv[++i]);
            continue;
        }
        Command command;
        std::istringstream words(argv[i]);
        for (std::string word; words >> word;) command.words.push_back(word);
        if (!command.words.empty()) commands.push_back(command);
    }
    if (commands.empty() || runs < 1) {
        fprintf(stderr, "usage: brik-startup-bench [--runs N] \"COMMAND [ARGS]\" ...\n");
        return 2;
    }
    for (int run = 0; run < runs; ++run) {
        for (Command& command : commands) {
            if (!runOnce(command)) {
                fprintf(stderr, "brik-startup-bench: '%s' failed or reported no start-up steps\n",
                        command.words[0].c_str());
                return 1;
            }
        }
    }
    printf("median ms from exec, %d interleaved runs\n", runs);
    for (const Command& command : commands) {
        std::string line;
        for (const std::string& word : command.words) line += word + " ";
        printf("%s\n", line.c_str());
        double previous = 0;
        for (const std::string& step : command.stepOrder) {
            const double at = median(command.milliseconds.at(step));
            printf("  %-14s %8.1f  (+%.1f)\n", step.c_str(), at, at - previous);
            previous = at;
        }
    }
    return 0;
}
