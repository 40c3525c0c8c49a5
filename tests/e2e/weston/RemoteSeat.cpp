// A Weston module for the end-to-end tests: a seat with a pointer and a
// keyboard whose events come from a test through a UNIX socket, and a look at
// the windows and the pixels of the compositor.
//
// Weston's headless backend has no input devices, and nothing from outside
// can press a key in it. This module gives it a seat, so the program under
// test gets its keys and clicks the way it gets them on any Wayland desktop:
// from the compositor, to the window the compositor has focused, through the
// same protocol and keymap.
//
// Loaded with `weston --modules=<path>/tolva-remote-seat.so`; it listens on
// the socket named by the environment variable TOLVA_REMOTE_SEAT. One command
// a line, one answer a line ("ok ..." or "error ..."):
//
//   windows                 one line per mapped desktop window, top first:
//                           "window <id> <pid> <kind> <x> <y> <w> <h> <keys> <title>"
//                           (kind: toplevel or popup; x, y global; keys: 1 when
//                           it has the keyboard focus), then "ok"
//   move <x> <y>            the pointer to a global point
//   button <n> <down|up>    Linux button code (272 left, 273 right)
//   key <n> <down|up>       Linux key code (evdev), the keymap's modifiers follow
//   shot <path>             the whole output after its next repaint, as a binary
//                           PPM; answered once the file is written
//
// The seat and input functions belong to libweston's interface for backends,
// which Weston 10 exports but does not install headers for; their
// declarations are copied here from that version's libweston/backend.h and
// libweston-internal.h.

extern "C" {
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
}

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

extern "C" {
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* name);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void weston_seat_release(struct weston_seat* seat);
void weston_output_damage(struct weston_output* output);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x,
                            double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_pointer_frame(struct weston_seat* seat);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]);
}

namespace {

constexpr char kSocketVariable[] = "TOLVA_REMOTE_SEAT";

struct RemoteSeat;

struct Connection {
  RemoteSeat* owner = nullptr;
  int fd = -1;
  wl_event_source* source = nullptr;
  std::string pending;  // bytes of a line not yet complete
};

// A screenshot waits for the output's next repaint.
struct ShotRequest {
  RemoteSeat* owner = nullptr;
  Connection* connection = nullptr;
  weston_output* output = nullptr;
  std::string path;
  wl_listener frame{};
};

struct RemoteSeat {
  weston_compositor* compositor = nullptr;
  weston_seat seat{};
  int listenFd = -1;
  wl_event_source* listenSource = nullptr;
  std::string socketPath;
  std::vector<std::unique_ptr<Connection>> connections;
  std::vector<std::unique_ptr<ShotRequest>> shots;
  wl_listener destroy{};
};

void Reply(Connection& connection, const std::string& text) {
  const std::string line = text + "\n";
  size_t sent = 0;
  while (sent < line.size()) {
    const ssize_t n = write(connection.fd, line.data() + sent, line.size() - sent);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the test went away; its connection closes on the next read
    sent += static_cast<size_t>(n);
  }
}

timespec Now() {
  timespec time{};
  weston_compositor_get_time(&time);
  return time;
}

std::string OneLine(const char* text) {
  std::string line = text != nullptr ? text : "";
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  return line;
}

void ListWindows(RemoteSeat& remote, Connection& connection) {
  const weston_keyboard* keyboard = weston_seat_get_keyboard(&remote.seat);
  const weston_surface* focus = keyboard != nullptr ? keyboard->focus : nullptr;
  weston_view* view = nullptr;
  wl_list_for_each(view, &remote.compositor->view_list, link) {
    weston_surface* surface = view->surface;
    weston_desktop_surface* desktop = weston_surface_get_desktop_surface(surface);
    if (desktop == nullptr || !weston_view_is_mapped(view)) continue;
    float x = 0;
    float y = 0;
    weston_view_to_global_float(view, 0, 0, &x, &y);
    // A popup's view hangs on its parent's.
    const bool popup = view->geometry.parent != nullptr;
    std::ostringstream line;
    line << "window " << reinterpret_cast<uintptr_t>(surface) << ' '
         << weston_desktop_surface_get_pid(desktop) << ' ' << (popup ? "popup" : "toplevel") << ' '
         << static_cast<int>(x) << ' ' << static_cast<int>(y) << ' ' << surface->width << ' '
         << surface->height << ' ' << (surface == focus ? 1 : 0)
         << ' ' << OneLine(weston_desktop_surface_get_title(desktop));
    Reply(connection, line.str());
  }
  Reply(connection, "ok");
}

bool WritePpm(const std::string& path, const uint32_t* pixels, int width, int height) {
  const std::string temporary = path + ".part";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t argb = pixels[static_cast<size_t>(y) * width + x];
      row[x * 3] = static_cast<unsigned char>(argb >> 16);
      row[x * 3 + 1] = static_cast<unsigned char>(argb >> 8);
      row[x * 3 + 2] = static_cast<unsigned char>(argb);
    }
    std::fwrite(row.data(), 1, row.size(), file);
  }
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  std::fclose(file);
  // Renamed whole, so the test never reads half a picture.
  return written && std::rename(temporary.c_str(), path.c_str()) == 0;
}

void FinishShot(ShotRequest* request, const std::string& answer) {
  RemoteSeat& remote = *request->owner;
  wl_list_remove(&request->frame.link);
  if (request->connection != nullptr) Reply(*request->connection, answer);
  for (auto it = remote.shots.begin(); it != remote.shots.end(); ++it) {
    if (it->get() == request) {
      remote.shots.erase(it);
      break;
    }
  }
}

void OnFrame(wl_listener* listener, void*) {
  ShotRequest* request = wl_container_of(listener, request, frame);
  weston_output* output = request->output;
  weston_compositor* compositor = output->compositor;
  const int width = output->current_mode->width;
  const int height = output->current_mode->height;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  // The pixman renderer reads in a8r8g8b8, top row first.
  const int read = compositor->renderer->read_pixels(output, PIXMAN_a8r8g8b8, pixels.data(), 0,
                                                     0, width, height);
  if (read < 0) {
    FinishShot(request, "error the renderer cannot read pixels (start weston with --use-pixman)");
    return;
  }
  FinishShot(request, WritePpm(request->path, pixels.data(), width, height)
                          ? "ok " + std::to_string(width) + " " + std::to_string(height)
                          : "error cannot write " + request->path);
}

void TakeShot(RemoteSeat& remote, Connection& connection, const std::string& path) {
  if (wl_list_empty(&remote.compositor->output_list)) {
    Reply(connection, "error no output");
    return;
  }
  weston_output* output = nullptr;
  output = wl_container_of(remote.compositor->output_list.next, output, link);
  auto request = std::make_unique<ShotRequest>();
  request->owner = &remote;
  request->connection = &connection;
  request->output = output;
  request->path = path;
  request->frame.notify = OnFrame;
  wl_signal_add(&output->frame_signal, &request->frame);
  remote.shots.push_back(std::move(request));
  weston_output_damage(output);
  weston_output_schedule_repaint(output);
}

void RunCommand(RemoteSeat& remote, Connection& connection, const std::string& line) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  const timespec time = Now();
  if (command == "windows") {
    ListWindows(remote, connection);
  } else if (command == "move") {
    double x = 0;
    double y = 0;
    if (!(words >> x >> y)) return Reply(connection, "error move <x> <y>");
    notify_motion_absolute(&remote.seat, &time, x, y);
    notify_pointer_frame(&remote.seat);
    Reply(connection, "ok");
  } else if (command == "button" || command == "key") {
    uint32_t code = 0;
    std::string state;
    if (!(words >> code >> state) || (state != "down" && state != "up"))
      return Reply(connection, "error " + command + " <code> <down|up>");
    const bool down = state == "down";
    if (command == "button") {
      notify_button(&remote.seat, &time, static_cast<int32_t>(code),
                    down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
      notify_pointer_frame(&remote.seat);
    } else {
      notify_key(&remote.seat, &time, code,
                 down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
                 STATE_UPDATE_AUTOMATIC);
    }
    Reply(connection, "ok");
  } else if (command == "shot") {
    std::string path;
    if (!(words >> path)) return Reply(connection, "error shot <path>");
    TakeShot(remote, connection, path);
  } else {
    Reply(connection, "error unknown command: " + command);
  }
}

void CloseConnection(RemoteSeat& remote, Connection* connection) {
  for (auto& shot : remote.shots)
    if (shot->connection == connection) shot->connection = nullptr;
  wl_event_source_remove(connection->source);
  close(connection->fd);
  for (auto it = remote.connections.begin(); it != remote.connections.end(); ++it) {
    if (it->get() == connection) {
      remote.connections.erase(it);
      break;
    }
  }
}

int OnReadable(int fd, uint32_t mask, void* data) {
  auto* connection = static_cast<Connection*>(data);
  RemoteSeat& remote = *connection->owner;
  char buffer[4096];
  const ssize_t n = (mask & WL_EVENT_READABLE) ? read(fd, buffer, sizeof buffer) : 0;
  if (n <= 0) {
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return 0;
    CloseConnection(remote, connection);
    return 0;
  }
  connection->pending.append(buffer, static_cast<size_t>(n));
  size_t end = 0;
  while ((end = connection->pending.find('\n')) != std::string::npos) {
    const std::string line = connection->pending.substr(0, end);
    connection->pending.erase(0, end + 1);
    RunCommand(remote, *connection, line);
  }
  return 0;
}

int OnConnection(int fd, uint32_t, void* data) {
  auto& remote = *static_cast<RemoteSeat*>(data);
  const int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
  if (client < 0) return 0;
  auto connection = std::make_unique<Connection>();
  connection->owner = &remote;
  connection->fd = client;
  connection->source = wl_event_loop_add_fd(wl_display_get_event_loop(remote.compositor->wl_display),
                                            client, WL_EVENT_READABLE, OnReadable,
                                            connection.get());
  remote.connections.push_back(std::move(connection));
  return 0;
}

void OnCompositorDestroyed(wl_listener* listener, void*) {
  RemoteSeat* remote = wl_container_of(listener, remote, destroy);
  while (!remote->connections.empty()) CloseConnection(*remote, remote->connections.back().get());
  if (remote->listenSource != nullptr) wl_event_source_remove(remote->listenSource);
  if (remote->listenFd >= 0) close(remote->listenFd);
  unlink(remote->socketPath.c_str());
  weston_seat_release(&remote->seat);
  delete remote;
}

}  // namespace

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int*, char*[]) {
  const char* path = std::getenv(kSocketVariable);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path == nullptr || std::strlen(path) >= sizeof address.sun_path) {
    weston_log("remote seat: %s must name a socket path\n", kSocketVariable);
    return -1;
  }
  std::strcpy(address.sun_path, path);

  auto* remote = new RemoteSeat;
  remote->compositor = compositor;
  remote->socketPath = path;
  weston_seat_init(&remote->seat, compositor, "remote-seat");
  weston_seat_init_pointer(&remote->seat);
  if (weston_seat_init_keyboard(&remote->seat, nullptr) < 0) {
    weston_log("remote seat: no keyboard\n");
    weston_seat_release(&remote->seat);
    delete remote;
    return -1;
  }

  unlink(path);
  remote->listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (remote->listenFd < 0 ||
      bind(remote->listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
      listen(remote->listenFd, 4) < 0) {
    weston_log("remote seat: cannot listen on %s: %s\n", path, std::strerror(errno));
    if (remote->listenFd >= 0) close(remote->listenFd);
    weston_seat_release(&remote->seat);
    delete remote;
    return -1;
  }
  remote->listenSource =
      wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), remote->listenFd,
                           WL_EVENT_READABLE, OnConnection, remote);
  remote->destroy.notify = OnCompositorDestroyed;
  wl_signal_add(&compositor->destroy_signal, &remote->destroy);
  weston_log("remote seat: listening on %s\n", path);
  return 0;
}
