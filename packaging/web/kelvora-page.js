// The page's side of the game's files, run inside the program's module before main(): the records folder kept in IndexedDB, each save written through before the page takes input again.
//
// /records is mounted on IndexedDB and read from it before main() starts; the game fills it from
// the delivered files (built in at /game) on the first visit only. After every replace of a
// record the program calls Module.kelvoraPersist(): until IndexedDB has the new files the page
// takes no click nor key, and closing the tab asks first.

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  // For the page's check, which reads and damages the stored files from outside.
  Module['kelvoraFS'] = FS;
  FS.mkdir('/records');
  FS.mount(IDBFS, {}, '/records');
  addRunDependency('kelvora-records');
  FS.syncfs(true, function (error) {
    if (error) console.error('KELVORA: the records could not be read from the browser storage', error);
    removeRunDependency('kelvora-records');
  });
});

(function () {
  var syncing = false;
  var again = false;
  // Presses only: a release let through never leaves a button held down in the program.
  var presses = ['pointerdown', 'mousedown', 'touchstart', 'keydown', 'keypress', 'wheel'];
  function hold(event) {
    if (!syncing) return;
    event.stopImmediatePropagation();
    event.preventDefault();
  }
  presses.forEach(function (type) {
    window.addEventListener(type, hold, {capture: true, passive: false});
  });
  window.addEventListener('beforeunload', function (event) {
    if (!syncing) return;
    event.preventDefault();
    event.returnValue = '';
  });

  function write() {
    syncing = true;
    Module['kelvoraWriting'] = true;
    FS.syncfs(false, function (error) {
      if (error) {
        console.error('KELVORA: the records could not be written to the browser storage', error);
        Module['kelvoraWriteFailures'] = (Module['kelvoraWriteFailures'] || 0) + 1;
      }
      if (again) {
        again = false;
        write();
        return;
      }
      syncing = false;
      Module['kelvoraWriting'] = false;
      Module['kelvoraWrites'] = (Module['kelvoraWrites'] || 0) + 1;
    });
  }

  Module['kelvoraPersist'] = function () {
    if (syncing) {
      again = true;
    } else {
      write();
    }
  };
})();
