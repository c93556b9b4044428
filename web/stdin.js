// Kalvera's standard input in a page: a read from descriptor 0 waits, with
// the program suspended (Asyncify), for the page to hand over what the user
// typed (Module.stdinRead); every other descriptor reads as emscripten's own
// fd_read does, except that a long read of a file gives the page a moment
// every tenth of a second (Module.fileRead), so that it stays responsive
// and can say how far the reading is.
mergeInto(LibraryManager.library, {
  fd_read__deps: ['$SYSCALLS', '$FS', '$Asyncify'],
  fd_read__sig: 'iiiii',
  fd_read: function(fd, iov, iovcnt, pnum) {
    if (fd === 0) {
      return Asyncify.handleSleep(function(wakeUp) {
        Module['stdinRead'](function(bytes) {
          // bytes: a Uint8Array, empty at the end of the input.
          var done = 0;
          for (var i = 0; i < iovcnt && done < bytes.length; i++) {
            var ptr = HEAP32[(iov + i * 8) >> 2];
            var len = HEAP32[(iov + i * 8 + 4) >> 2];
            var n = Math.min(len, bytes.length - done);
            HEAPU8.set(bytes.subarray(done, done + n), ptr);
            done += n;
          }
          Module['stdinUnread'](bytes.subarray(done));
          HEAP32[pnum >> 2] = done;
          Module['breath'] = Date.now();
          wakeUp(0);
        });
      });
    }
    function readFile() {
      try {
        var stream = SYSCALLS.getStreamFromFD(fd);
        var num = SYSCALLS.doReadv(stream, iov, iovcnt);
        HEAP32[pnum >> 2] = num;
        return 0;
      } catch (e) {
        if (typeof FS === 'undefined' || !(e instanceof FS.ErrnoError)) throw e;
        return e.errno;
      }
    }
    var stream = FS.getStream(fd);
    // A resumed read comes back here and must meet handleSleep again.
    var resumed = Asyncify.state === Asyncify.State.Rewinding;
    if (stream && Module['fileRead'] && (resumed || Date.now() - Module['breath'] > 100)) {
      return Asyncify.handleSleep(function(wakeUp) {
        Module['fileRead'](stream.path, stream.position,
                           stream.node.usedBytes === undefined ? 0 : stream.node.usedBytes);
        setTimeout(function() {
          Module['breath'] = Date.now();
          wakeUp(readFile());
        }, 0);
      });
    }
    return readFile();
  },
});
