#ifndef QUORVEX_TESTS_SUPPORT_PYTHON_PROCESS_H_
#define QUORVEX_TESTS_SUPPORT_PYTHON_PROCESS_H_

#include <sys/types.h>

#include <string>
#include <vector>

namespace quorvex::testing {

// A helper script of tests/support run by the system's Python 3 as a child
// process, talking through its standard input and output. The scripts end
// when their standard input closes, so the child never outlives the test.
class PythonProcess {
 public:
  // Starts tests/support/`script` with `args`.
  PythonProcess(const std::string& script, const std::vector<std::string>& args);
  // Closes the child's input and waits for it to end (killing it after a
  // few seconds).
  ~PythonProcess();
  PythonProcess(const PythonProcess&) = delete;
  PythonProcess& operator=(const PythonProcess&) = delete;

  // Returns the next line the child printed, without its line end; empty
  // when it printed nothing more within 10 seconds or has ended.
  std::string readLine();
  // Sends `line` and a line feed to the child.
  void writeLine(const std::string& line);

 private:
  pid_t pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  std::string pending_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_PYTHON_PROCESS_H_
