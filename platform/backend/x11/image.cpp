// Getting a window's pixels to the server: one upload per repaint into the
// pixmap that is the window's background.
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>

#include "platform/backend/x11/X11State.h"

namespace qb {
namespace {

// A shared put waits for the server to finish reading; below this size,
// sending the pixels through the connection costs less than that wait.
constexpr std::size_t kSharedFrom = 256 * 1024;

// Xlib's error handlers take no context, so the probe's handler reports
// through this flag. Only the probe uses it, at start-up, before the input
// thread runs.
bool errorSeen = false;

int CatchErrors(::Display*, XErrorEvent*) {
  errorSeen = true;
  return 0;
}

bool Attach(X11Backend::State& state, SharedSegment& segment, std::size_t bytes) {
  segment.info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (segment.info.shmid < 0) return false;
  segment.info.shmaddr = static_cast<char*>(shmat(segment.info.shmid, nullptr, 0));
  if (segment.info.shmaddr == reinterpret_cast<char*>(-1)) {
    shmctl(segment.info.shmid, IPC_RMID, nullptr);
    segment.info = XShmSegmentInfo{};
    return false;
  }
  segment.info.readOnly = True;
  segment.bytes = bytes;
  const bool attached = XShmAttach(state.display, &segment.info);
  XSync(state.display, False);
  // Marked for removal now, the segment goes away with its last user, even
  // if this process dies.
  shmctl(segment.info.shmid, IPC_RMID, nullptr);
  segment.attached = attached;
  return attached;
}

void EnsurePixmap(X11Backend::State& state, XWindowRecord& record, int width, int height) {
  if (record.pixmap && record.pixmapWidth == width && record.pixmapHeight == height) return;
  if (record.gc) XFreeGC(state.display, record.gc);
  if (record.pixmap) XFreePixmap(state.display, record.pixmap);
  record.pixmap = XCreatePixmap(state.display, record.id, unsigned(width), unsigned(height),
                                unsigned(record.argb ? 32 : state.depth));
  record.gc = XCreateGC(state.display, record.pixmap, 0, nullptr);
  record.pixmapWidth = width;
  record.pixmapHeight = height;
  XSetWindowBackgroundPixmap(state.display, record.id, record.pixmap);
}

Visual* VisualOf(const X11Backend::State& state, const XWindowRecord& record) {
  return record.argb ? state.argbVisual.visual : state.visual;
}

void PutShared(X11Backend::State& state, XWindowRecord& record, const Surface& picture) {
  const int depth = record.argb ? 32 : state.depth;
  XImage* image = XShmCreateImage(state.display, VisualOf(state, record), unsigned(depth), ZPixmap,
                                  record.segment.info.shmaddr, &record.segment.info, unsigned(picture.Width()),
                                  unsigned(picture.Height()));
  std::memcpy(record.segment.info.shmaddr, picture.Data(), std::size_t(picture.Width()) * picture.Height() * 4);
  XShmPutImage(state.display, record.pixmap, record.gc, image, 0, 0, 0, 0, unsigned(picture.Width()),
               unsigned(picture.Height()), False);
  image->data = nullptr;
  XDestroyImage(image);
  // The segment is written again at the next repaint; the server must be
  // done reading it by then.
  XSync(state.display, False);
}

void PutPlain(X11Backend::State& state, XWindowRecord& record, const Surface& picture) {
  const int depth = record.argb ? 32 : state.depth;
  XImage* image = XCreateImage(state.display, VisualOf(state, record), unsigned(depth), ZPixmap, 0,
                               reinterpret_cast<char*>(const_cast<std::uint32_t*>(picture.Data())),
                               unsigned(picture.Width()), unsigned(picture.Height()), 32, picture.Width() * 4);
  XPutImage(state.display, record.pixmap, record.gc, image, 0, 0, 0, 0, unsigned(picture.Width()),
            unsigned(picture.Height()));
  // The pixels belong to the surface, not to the image.
  image->data = nullptr;
  XDestroyImage(image);
}

}  // namespace

void UploadPicture(X11Backend::State& state, XWindowRecord& record, const Surface& picture) {
  EnsurePixmap(state, record, picture.Width(), picture.Height());
  const std::size_t bytes = std::size_t(picture.Width()) * std::size_t(picture.Height()) * 4;
  bool shared = FeaturesInUse(state).sharedMemory && bytes >= kSharedFrom;
  if (shared && record.segment.bytes < bytes) {
    ReleaseSegment(state, record.segment);
    shared = Attach(state, record.segment, bytes);
  }
  if (shared) {
    PutShared(state, record, picture);
  } else {
    PutPlain(state, record, picture);
  }
  XClearWindow(state.display, record.id);
}

void ReleaseSegment(X11Backend::State& state, SharedSegment& segment) {
  if (segment.attached) XShmDetach(state.display, &segment.info);
  if (segment.info.shmaddr) {
    XSync(state.display, False);
    shmdt(segment.info.shmaddr);
  }
  segment = SharedSegment{};
}

// MIT-SHM may be offered by a server that cannot reach our memory (a
// remote display): only attaching a segment tells.
bool ProbeSharedMemory(X11Backend::State& state) {
  if (!XShmQueryExtension(state.display)) return false;
  errorSeen = false;
  XErrorHandler previous = XSetErrorHandler(CatchErrors);
  SharedSegment probe;
  const bool attached = Attach(state, probe, 4096);
  XSync(state.display, False);
  const bool usable = attached && !errorSeen;
  XSetErrorHandler(previous);
  if (!usable) probe.attached = false;
  ReleaseSegment(state, probe);
  return usable;
}

}  // namespace qb
