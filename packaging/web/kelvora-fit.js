// The page's side of fitting the game's window into a browser window smaller than it, run inside the program's module before main(): the program's screen is made larger than the page by a scale, which the browser draws back down, and every pointer event is taken back to the program's pixels.
//
// Qt takes its screen's size from the canvas's bounding rectangle and the pointer's position from
// the event's offset in it, both in the page's pixels. Reporting the canvas 1/scale times its
// size makes Qt draw that much more into the same canvas; a pointer event is dispatched again
// with its position divided by the scale. The program says the size its window needs through
// Module.kelvoraFit(width, height) once the window is shown.

(function () {
  var canvas = (Module['qtContainerElements'] || [])[0];
  if (!canvas) return;
  var scale = 1;
  var needed = null;
  var pageRectangle = HTMLElement.prototype.getBoundingClientRect;

  canvas.getBoundingClientRect = function () {
    var rectangle = pageRectangle.call(this);
    if (scale === 1) return rectangle;
    return new DOMRect(rectangle.left, rectangle.top, rectangle.width / scale,
                       rectangle.height / scale);
  };

  function rescaled(event) {
    var page = pageRectangle.call(canvas);
    var init = {
      bubbles: event.bubbles, cancelable: event.cancelable, composed: event.composed,
      view: event.view, detail: event.detail,
      clientX: page.left + (event.clientX - page.left) / scale,
      clientY: page.top + (event.clientY - page.top) / scale,
      screenX: event.screenX, screenY: event.screenY, button: event.button, buttons: event.buttons,
      ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey
    };
    if (event instanceof PointerEvent) {
      ['pointerId', 'pointerType', 'isPrimary', 'width', 'height', 'pressure', 'tiltX', 'tiltY']
          .forEach(function (name) { init[name] = event[name]; });
      return new PointerEvent(event.type, init);
    }
    ['deltaX', 'deltaY', 'deltaZ', 'deltaMode'].forEach(function (name) { init[name] = event[name]; });
    return new WheelEvent(event.type, init);
  }

  // Touches come to the program on their own (it leaves a pointer that is not a mouse alone).
  function rescaledTouches(event) {
    var page = pageRectangle.call(canvas);
    function touches(list) {
      return Array.prototype.map.call(list, function (touch) {
        return new Touch({
          identifier: touch.identifier, target: touch.target,
          clientX: page.left + (touch.clientX - page.left) / scale,
          clientY: page.top + (touch.clientY - page.top) / scale,
          screenX: touch.screenX, screenY: touch.screenY, pageX: touch.pageX, pageY: touch.pageY,
          radiusX: touch.radiusX, radiusY: touch.radiusY, rotationAngle: touch.rotationAngle,
          force: touch.force
        });
      });
    }
    return new TouchEvent(event.type, {
      bubbles: event.bubbles, cancelable: event.cancelable, composed: event.composed,
      view: event.view, touches: touches(event.touches), targetTouches: touches(event.targetTouches),
      changedTouches: touches(event.changedTouches), ctrlKey: event.ctrlKey,
      shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey
    });
  }

  // Before the program's own listeners on the canvas: the browser's event stops here and its
  // rescaled copy goes on in its place.
  ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'pointerenter', 'pointerleave',
   'wheel', 'touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function (type) {
    window.addEventListener(type, function (event) {
      if (scale === 1 || !event.isTrusted || event.target !== canvas) return;
      event.stopImmediatePropagation();
      var copy = type.startsWith('touch') ? rescaledTouches(event) : rescaled(event);
      if (!canvas.dispatchEvent(copy)) event.preventDefault();
    }, {capture: true, passive: false});
  });

  function fit() {
    if (needed === null) return false;
    var next = Math.min(1, window.innerWidth / needed.width, window.innerHeight / needed.height);
    if (next === scale) return false;
    scale = next;
    Module['kelvoraScale'] = scale;
    return true;
  }

  // Ahead of the program's handler of the same event, which reads the screen's new size.
  window.addEventListener('resize', fit, true);

  Module['kelvoraScale'] = scale;
  Module['kelvoraFit'] = function (width, height) {
    needed = {width: width, height: height};
    // The program reads its screen again on a resize of the page.
    if (fit()) window.dispatchEvent(new Event('resize'));
  };
})();
