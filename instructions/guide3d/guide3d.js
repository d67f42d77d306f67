// The 3D building guide's page: draws the model from model.js (window.brikGuide: the glTF, the
// steps and the first frame's eye and light, in the glTF's metres) with the bundled WebGL
// library (window.THREE) and turns through the steps. Step 0 is the finished model; step k
// shows map k's pieces in full colour, the earlier ones faded, the later ones hidden.
// It draws only when something changed. Once the model and a step are on the screen, body's
// data-step attribute names the step.
(function () {
    'use strict';
    const guide = window.brikGuide;
    const view = document.getElementById('view');
    const slider = document.getElementById('step');
    const status = document.getElementById('status');
    const stepCount = guide.steps.length;
    slider.max = String(stepCount);

    function showError(error) {
        status.textContent = `The model cannot be shown: ${error.message || error}`;
        console.error(error);
    }
    if (typeof DecompressionStream === 'undefined') {
        showError('this browser cannot unpack it (it lacks DecompressionStream)');
        return;
    }
    let renderer;
    try {
        renderer = new THREE.WebGLRenderer({ antialias: true });
    } catch (error) {
        showError(error);  // no WebGL
        return;
    }
    renderer.setPixelRatio(Math.min(window.devicePixelRatio, 2));
    renderer.shadowMap.enabled = true;
    renderer.shadowMap.type = THREE.PCFShadowMap;
    view.insertBefore(renderer.domElement, view.firstChild);

    const scene = new THREE.Scene();
    scene.background = new THREE.Color(0xdde3ea);
    const camera = new THREE.PerspectiveCamera(guide.fieldOfView, 1, 0.001, 10);
    const controls = new THREE.OrbitControls(camera, renderer.domElement);
    controls.maxPolarAngle = Math.PI / 2 - 0.02;  // from just above the floor to straight down
    // The one light, where the viewer's first frame has it, and the shadowless fill.
    scene.add(new THREE.AmbientLight(0xffffff, 2));
    const light = new THREE.DirectionalLight(0xffffff, 2);
    light.castShadow = true;
    light.shadow.mapSize.set(2048, 2048);
    scene.add(light, light.target);

    let model = null;
    let step = 0;
    let drawPending = false;
    const looks = [];  // per mesh: {mesh, step (0: before the first), full, faded}

    function draw() {
        if (drawPending) return;
        drawPending = true;
        requestAnimationFrame(() => {
            drawPending = false;
            renderer.render(scene, camera);
            if (model) document.body.dataset.step = String(step);
        });
    }

    // Blends the colour towards grey on its sRGB-encoded channels, as the printed guide does.
    function fadedMaterial(material, cache) {
        if (!cache.has(material)) {
            const faded = material.clone();
            const towards = guide.fade.towards;
            const pale = new THREE.Color(towards, towards, towards);
            faded.color.convertLinearToSRGB().lerp(pale, guide.fade.weight).convertSRGBToLinear();
            cache.set(material, faded);
        }
        return cache.get(material);
    }

    function prepare(root) {
        const stepOf = new Map();
        guide.steps.forEach((entry, index) => {
            const node = root.getObjectByName(THREE.PropertyBinding.sanitizeNodeName(entry.node));
            if (node) node.traverse((object) => stepOf.set(object, index + 1));
        });
        const cache = new Map();
        root.traverse((object) => {
            if (!object.isMesh) return;
            object.castShadow = object.receiveShadow = true;
            looks.push({ mesh: object, step: stepOf.get(object) || 0, full: object.material,
                         faded: fadedMaterial(object.material, cache) });
        });
        const bounds = new THREE.Box3().setFromObject(root);
        const r = bounds.getBoundingSphere(new THREE.Sphere()).radius;
        const toLight = new THREE.Vector3().fromArray(guide.light).normalize();
        light.target.position.copy(bounds.getCenter(new THREE.Vector3()));
        light.position.copy(light.target.position).addScaledVector(toLight, 3 * r);
        Object.assign(light.shadow.camera, { left: -r, right: r, top: r, bottom: -r,
                                             near: r, far: 5 * r });
        light.shadow.camera.updateProjectionMatrix();
        light.shadow.normalBias = r * 0.002;
        controls.minDistance = r * 0.1;
        controls.maxDistance = r * 10;
    }

    // Looks at the pieces shown from `direction` (towards the eye), as near as it can with
    // every corner of their box inside the view.
    function frame(direction) {
        const shown = new THREE.Box3();
        for (const look of looks)
            if (look.mesh.visible) shown.union(new THREE.Box3().setFromObject(look.mesh));
        const centre = shown.getCenter(new THREE.Vector3());
        camera.position.copy(centre).add(direction.normalize());
        camera.lookAt(centre);
        const toCamera = camera.quaternion.clone().invert();
        const tanVertical = Math.tan(THREE.MathUtils.degToRad(camera.fov) / 2);
        const tanHorizontal = tanVertical * camera.aspect;
        let distance = 0;
        for (let corner = 0; corner < 8; ++corner) {
            const point = new THREE.Vector3(corner & 1 ? shown.max.x : shown.min.x,
                                            corner & 2 ? shown.max.y : shown.min.y,
                                            corner & 4 ? shown.max.z : shown.min.z);
            point.sub(centre).applyQuaternion(toCamera);
            distance = Math.max(distance, point.z + Math.abs(point.x) / tanHorizontal,
                                point.z + Math.abs(point.y) / tanVertical);
        }
        distance *= 1.05;  // a margin
        controls.target.copy(centre);
        camera.position.copy(centre).addScaledVector(direction, distance);
        camera.near = distance / 100;
        camera.far = distance * 10;
        camera.updateProjectionMatrix();
        controls.update();
        draw();
    }

    function fit() {
        if (model) frame(camera.position.clone().sub(controls.target));
    }

    function showParts(parts) {
        const body = document.querySelector('#parts tbody');
        body.replaceChildren();
        let total = 0;
        for (const part of parts) {
            const row = body.insertRow();
            row.insertCell().textContent = part.name;
            const colour = row.insertCell();
            if (part.rgb) {
                const swatch = document.createElement('span');
                swatch.className = 'swatch';
                swatch.style.background = part.rgb;
                colour.append(swatch);
            }
            colour.append(part.colourName);
            row.insertCell().textContent = String(part.count);
            total += part.count;
        }
        return total;
    }

    function setStep(wanted) {
        step = Math.max(0, Math.min(stepCount, wanted));
        slider.value = String(step);
        document.getElementById('step-title').textContent =
            step === 0 ? 'The finished model' : `Step ${step} of ${stepCount}`;
        const total = showParts(step === 0 ? guide.parts : guide.steps[step - 1].parts);
        document.getElementById('step-summary').textContent = step === 0
            ? `${total} parts. Press ▶ (or →) to start building.`
            : `${total} parts to add`;
        for (const look of looks) {
            look.mesh.visible = step === 0 || look.step <= step;
            look.mesh.material = step === 0 || look.step === step ? look.full : look.faded;
        }
        draw();
    }

    function resize() {
        const width = view.clientWidth, height = view.clientHeight;
        if (width === 0 || height === 0) return;
        renderer.setSize(width, height);
        camera.aspect = width / height;
        camera.updateProjectionMatrix();
        draw();
    }

    slider.addEventListener('input', () => setStep(Number(slider.value)));
    document.getElementById('previous').addEventListener('click', () => setStep(step - 1));
    document.getElementById('next').addEventListener('click', () => setStep(step + 1));
    document.getElementById('fit').addEventListener('click', fit);
    document.addEventListener('keydown', (event) => {
        if (event.target === slider || event.altKey || event.ctrlKey || event.metaKey) return;
        const moves = { ArrowLeft: step - 1, ArrowRight: step + 1, Home: 0, End: stepCount };
        if (!(event.key in moves)) return;
        event.preventDefault();
        setStep(moves[event.key]);
    });
    controls.addEventListener('change', draw);
    new ResizeObserver(resize).observe(view);

    // model.js carries the GLB deflated and in base64.
    async function unpackModel() {
        const packed = Uint8Array.from(atob(guide.model), (digit) => digit.charCodeAt(0));
        const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate'));
        return new Response(stream).arrayBuffer();
    }

    unpackModel().then((glb) => new THREE.GLTFLoader().parse(glb, '', (gltf) => {
        model = gltf.scene;
        scene.add(model);
        prepare(model);
        status.remove();
        resize();
        setStep(step);
        frame(new THREE.Vector3().fromArray(guide.eye));
    }, showError), showError);
})();
